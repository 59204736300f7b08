#include "core/text/pager.h"

namespace hrs {

Pager::Pager(PrintJob& job, PageLayout layout, Header header)
    : job_(job), layout_(layout), header_(std::move(header)), counter_(layout.firstLine) {
  header_(job_, page_);
}

void Pager::Line(const std::string& text) {
  if (counter_ > layout_.lastLine) {
    job_.NewPage();
    ++page_;
    counter_ = layout_.firstLine;
    header_(job_, page_);
  }
  job_.PrintLine(text);
  ++counter_;
}

bool Pager::End() { return job_.EndDoc(); }

std::string PageLabel(int page) { return "Page " + std::to_string(page); }

}  // namespace hrs
