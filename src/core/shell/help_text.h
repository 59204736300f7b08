#pragma once
#include <string>
#include <vector>

#include "core/text/sorted_list.h"

namespace hrs {

// One chapter of the built-in manual and the ReadMe menu item that shows it.
struct HelpChapter {
  const char* title;     // "2. Calculation Method"
  const char* caption;   // the menu item: "Calculation Method"
  int menuIndex;         // rmdb index; the chapter key is menuIndex + 1
  const char* resource;  // the file holding its body
};

// The sixteen chapters in list order.
const std::vector<HelpChapter>& HelpChapters();

// The ReadMe menu, by rmdb index: a caption, or "-" for a separator line.
std::vector<std::string> ReadMeMenuCaptions();

// The help list: per chapter the heading (50 blanks and the title, carrying
// the chapter key), a line of one blank, the body lines each behind one
// blank (an empty line of the body becomes one blank), and a line of 144 "-".
// bodies[i] is the text of HelpChapters()[i].
std::vector<SortedList::Item> HelpLines(const std::vector<std::string>& bodies);

// The line that is to be the top line for a ReadMe choice, or -1.
int HelpTopLine(const std::vector<SortedList::Item>& lines, int menuIndex);

}  // namespace hrs
