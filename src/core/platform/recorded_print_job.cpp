#include "core/platform/recorded_print_job.h"

namespace hrs {

void RecordedPrintJob::SetFont(const std::string& family, int pointSize) {
  family_ = family;
  size_ = pointSize;
}

void RecordedPrintJob::PrintLine(const std::string& text) {
  if (current_.empty()) current_.emplace_back();
  current_.back().push_back(text);
}

void RecordedPrintJob::NewPage() {
  if (current_.empty()) current_.emplace_back();
  current_.emplace_back();
}

bool RecordedPrintJob::EndDoc() {
  done_ = std::move(current_);
  current_.clear();
  ++documents_;
  const bool printed = !failAtEnd_;
  failAtEnd_ = false;
  return printed;
}

std::string RecordedPrintJob::Text() const {
  std::string out;
  const auto& pages = Pages();
  for (size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) out += "\f\n";
    for (const auto& line : pages[p]) out += line + "\n";
  }
  return out;
}

}  // namespace hrs
