#pragma once
#include <functional>
#include <string>

#include "core/platform/print_job.h"

namespace hrs {

// How a printed report fills its pages: after each page header the line
// counter stands at `firstLine`; every report line adds one, and a new page
// (with its header) begins when the counter exceeds `lastLine`. A page thus
// holds lastLine - firstLine + 1 report lines (55 - 6 + 1 = 50).
struct PageLayout {
  int firstLine = 6;
  int lastLine = 55;
};

// The one place that counts lines and breaks pages for every printout.
// The header is printed at once for page 1, and for each further page only
// when a line is to go on it, so a report never ends with a page that holds
// nothing but its header.
class Pager {
 public:
  // Prints the header lines of page `page` through the job.
  using Header = std::function<void(PrintJob& job, int page)>;

  Pager(PrintJob& job, PageLayout layout, Header header);

  void Line(const std::string& text);
  int Page() const { return page_; }
  // Ends the document: true when the printer reports it printed.
  bool End();

 private:
  PrintJob& job_;
  PageLayout layout_;
  Header header_;
  int counter_ = 0;
  int page_ = 1;
};

// "Page 3" and the like: the end of most header title lines.
std::string PageLabel(int page);

}  // namespace hrs
