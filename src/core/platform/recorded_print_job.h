#pragma once
#include <string>
#include <vector>

#include "core/platform/print_job.h"

namespace hrs {

// A printer that keeps the pages as text: what hrs-cli prints and what the
// tests compare with golden pages.
class RecordedPrintJob : public PrintJob {
 public:
  using Page = std::vector<std::string>;

  void SetFont(const std::string& family, int pointSize) override;
  void SetOrientation(Orientation orientation) override { orientation_ = orientation; }
  void PrintLine(const std::string& text) override;
  void NewPage() override;
  bool EndDoc() override;
  int PageNumber() const override { return static_cast<int>(current_.size()) > 0 ? static_cast<int>(current_.size()) : 1; }
  Orientation CurrentOrientation() const override { return orientation_; }
  void SetDocumentFile(const std::string& path) override { offered_ = path; }
  const std::string& OfferedFile() const { return offered_; }

  // The pages of the latest finished document (and of one still open).
  const std::vector<Page>& Pages() const { return current_.empty() ? done_ : current_; }
  int Documents() const { return documents_; }
  const std::string& FontFamily() const { return family_; }
  int FontSize() const { return size_; }
  // Pages as plain text: each line ended by "\n", a line holding only "\f"
  // between two pages.
  std::string Text() const;

  // The printer refuses the next document at its end.
  void FailAtEnd(bool fail = true) { failAtEnd_ = fail; }

 private:
  std::vector<Page> current_;
  std::vector<Page> done_;
  Orientation orientation_ = Orientation::Portrait;
  std::string offered_;
  std::string family_ = "Courier";
  int size_ = 10;
  int documents_ = 0;
  bool failAtEnd_ = false;
};

}  // namespace hrs
