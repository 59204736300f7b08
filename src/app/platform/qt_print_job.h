#pragma once
#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

#include "app/platform/picture_printer.h"
#include "core/platform/print_job.h"

class QPainter;
class QPrinter;

namespace hrs::app {

// The printer of the system: lines are drawn one under the other in the
// chosen fixed-pitch font, a full page goes on to the next, and EndDoc sends
// the document to the printer, or to the PDF file chosen in the printer
// dialog. Without a printer (or a file chosen) the document is written as a
// PDF into the current directory, and DocumentFile tells where.
class QtPrintJob : public PrintJob, public PicturePrinter {
 public:
  explicit QtPrintJob(QPrinter& printer);
  ~QtPrintJob() override;

  void SetFont(const std::string& family, int pointSize) override;
  void SetOrientation(Orientation orientation) override;
  void PrintLine(const std::string& text) override;
  void NewPage() override;
  bool EndDoc() override;
  int PageNumber() const override { return page_; }
  Orientation CurrentOrientation() const override;
  std::string DocumentFile() const override;
  void SetDocumentFile(const std::string& path) override;

  void DrawPicture(const std::function<double(QPainter&, const QRectF&)>& draw, double pageShare) override;

  // False when the printer could not be opened; the lines are then lost
  // and EndDoc reports the document not printed.
  bool Usable() const { return usable_; }

 private:
  bool Begin();

  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
  QFont font_;
  int lineHeight_ = 0;
  int ascent_ = 0;
  int y_ = 0;
  int page_ = 1;
  bool usable_ = true;
  bool namedByUs_ = false;   // the PDF name was chosen here, not by the operator
  QString lastFile_;         // the PDF of the latest document
};

}  // namespace hrs::app
