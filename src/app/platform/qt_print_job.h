#pragma once
#include <QFont>
#include <memory>

#include "core/platform/print_job.h"

class QPainter;
class QPrinter;

namespace hrs::app {

// The printer of the system: lines are drawn one under the other in the
// chosen font, a full page goes on to the next, and EndDoc sends the
// document (to the printer, or to the PDF file chosen in the printer dialog).
class QtPrintJob : public PrintJob {
 public:
  explicit QtPrintJob(QPrinter& printer);
  ~QtPrintJob() override;

  void SetFont(const std::string& family, int pointSize) override;
  void SetOrientation(Orientation orientation) override;
  void PrintLine(const std::string& text) override;
  void NewPage() override;
  bool EndDoc() override;
  int PageNumber() const override { return page_; }

  // False when the printer could not be opened; the lines are then lost
  // and the operator is told by whoever checks.
  bool Usable() const { return usable_; }

 private:
  bool Begin();
  int LineHeight() const;

  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
  QFont font_;
  int y_ = 0;
  int page_ = 1;
  bool usable_ = true;
};

}  // namespace hrs::app
