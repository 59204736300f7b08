#include "app/platform/qt_print_job.h"

#include <QDir>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "app/platform/qt_text.h"

namespace hrs::app {

QtPrintJob::QtPrintJob(QPrinter& printer) : printer_(printer), font_(QStringLiteral("Courier"), 10) {}

QtPrintJob::~QtPrintJob() {
  if (painter_) EndDoc();
}

void QtPrintJob::SetFont(const std::string& family, int pointSize) {
  font_ = QFont(ToQt(family), pointSize > 0 ? pointSize : 10);
  if (painter_) painter_->setFont(font_);
}

void QtPrintJob::SetOrientation(Orientation orientation) {
  // The orientation belongs to a whole document.
  if (painter_) return;
  printer_.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
}

bool QtPrintJob::Begin() {
  if (painter_) return true;
  // Without a printer system Qt prints to PDF; with no file chosen the
  // document goes to the data directory rather than nowhere.
  if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty())
    printer_.setOutputFileName(QDir::current().filePath(QStringLiteral("hrs-printout.pdf")));
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(&printer_)) {
    usable_ = false;
    return false;
  }
  usable_ = true;
  painter->setFont(font_);
  painter_ = std::move(painter);
  y_ = 0;
  return true;
}

int QtPrintJob::LineHeight() const { return QFontMetrics(font_, &printer_).lineSpacing(); }

void QtPrintJob::PrintLine(const std::string& text) {
  if (!Begin()) return;
  const int height = LineHeight();
  if (y_ > 0 && y_ + height > printer_.height()) NewPage();
  painter_->drawText(0, y_ + QFontMetrics(font_, &printer_).ascent(), ToQt(text));
  y_ += height;
}

void QtPrintJob::NewPage() {
  if (!Begin()) return;
  printer_.newPage();
  ++page_;
  y_ = 0;
}

bool QtPrintJob::EndDoc() {
  bool printed = usable_;
  if (painter_) {
    printed = painter_->end() && printed;
    painter_.reset();
  }
  usable_ = true;
  page_ = 1;
  y_ = 0;
  return printed;
}

}  // namespace hrs::app
