#include "app/platform/qt_print_job.h"

#include <algorithm>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "app/platform/fixed_font.h"
#include "app/platform/qt_text.h"

namespace hrs::app {

namespace {

// Room for the 57 lines of a page in Courier 10 on A4 or Letter, and for
// the 45 of a landscape page.
const QMarginsF PageMargins(15, 12, 12, 10);

}  // namespace

QtPrintJob::QtPrintJob(QPrinter& printer) : printer_(printer), font_(ListFont()) {}

QtPrintJob::~QtPrintJob() {
  if (painter_) EndDoc();
}

void QtPrintJob::SetFont(const std::string& family, int pointSize) {
  font_ = FixedFont(family, pointSize);
  if (painter_) {
    painter_->setFont(font_);
    const QFontMetrics metrics(font_, &printer_);
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
  }
}

void QtPrintJob::SetOrientation(Orientation orientation) {
  // The orientation belongs to a whole document.
  if (painter_) return;
  printer_.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
}

Orientation QtPrintJob::CurrentOrientation() const {
  return printer_.pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                       : Orientation::Portrait;
}

std::string QtPrintJob::DocumentFile() const { return FromQt(lastFile_); }

void QtPrintJob::SetDocumentFile(const std::string& path) {
  if (painter_) return;
  const QString file = ToQt(path);
  printer_.setDocName(QFileInfo(file).completeBaseName());
  // A real printer stays chosen; the file is offered when the operator
  // prints to one (and is the file when there is no printer).
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    printer_.setOutputFileName(file);
    namedByUs_ = true;
  }
}

bool QtPrintJob::Begin() {
  if (painter_) return true;
  lastFile_.clear();
  if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty()) {
    // No printer and no file chosen: a file of its own for each printout,
    // so that one never replaces the last.
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = QDir::current().filePath(QStringLiteral("printout-%1.pdf").arg(stamp));
    for (int n = 2; QFileInfo::exists(name); ++n)
      name = QDir::current().filePath(QStringLiteral("printout-%1-%2.pdf").arg(stamp).arg(n));
    printer_.setOutputFileName(name);
    namedByUs_ = true;
  }
  printer_.setPageMargins(PageMargins, QPageLayout::Millimeter);
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(&printer_)) {
    usable_ = false;
    return false;
  }
  usable_ = true;
  painter->setFont(font_);
  painter_ = std::move(painter);
  const QFontMetrics metrics(font_, &printer_);
  lineHeight_ = metrics.lineSpacing();
  ascent_ = metrics.ascent();
  y_ = 0;
  return true;
}

void QtPrintJob::PrintLine(const std::string& text) {
  if (!Begin()) return;
  // A line that does not fit any more (a large font) goes on a new sheet
  // rather than off the paper.
  if (y_ > 0 && y_ + lineHeight_ > printer_.height()) NewPage();
  if (!text.empty()) painter_->drawText(0, y_ + ascent_, ToQt(text));
  y_ += lineHeight_;
}

void QtPrintJob::DrawPicture(const std::function<double(QPainter&, const QRectF&)>& draw, double pageShare) {
  if (!Begin()) return;
  const int wanted = static_cast<int>(printer_.height() * pageShare);
  if (y_ > 0 && printer_.height() - y_ < wanted / 2) NewPage();
  const int height = std::min(wanted, printer_.height() - y_);
  painter_->save();
  const double used = draw(*painter_, QRectF(0, y_, printer_.width(), height));
  painter_->restore();
  painter_->setFont(font_);
  y_ += static_cast<int>(std::clamp(used, 0.0, static_cast<double>(height)));
}

void QtPrintJob::NewPage() {
  if (!Begin()) return;
  printer_.newPage();
  ++page_;
  y_ = 0;
}

bool QtPrintJob::EndDoc() {
  if (!painter_ && usable_) {
    // Nothing was printed: an empty document is still one page.
    Begin();
  }
  bool printed = usable_;
  if (painter_) {
    printed = painter_->end() && printed;
    painter_.reset();
  }
  if (printer_.outputFormat() == QPrinter::PdfFormat) lastFile_ = QFileInfo(printer_.outputFileName()).absoluteFilePath();
  if (namedByUs_) {
    printer_.setOutputFileName(QString());
    namedByUs_ = false;
  }
  if (!printed) lastFile_.clear();
  usable_ = true;
  page_ = 1;
  y_ = 0;
  return printed;
}

}  // namespace hrs::app
