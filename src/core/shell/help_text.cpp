#include "core/shell/help_text.h"

namespace hrs {

const std::vector<HelpChapter>& HelpChapters() {
  static const std::vector<HelpChapter> chapters = {
      {"1. Ranking Database Introduction", "Introduction", 0, "01-introduction.txt"},
      {"2. Calculation Method", "Calculation Method", 2, "02-calculation-method.txt"},
      {"3. Performance", "Performance", 3, "03-performance.txt"},
      {"4. Setup", "Setup", 5, "04-setup.txt"},
      {"5. Player Database", "Player Database", 6, "05-player-database.txt"},
      {"6. Control Centre", "Control Centre", 7, "06-control-centre.txt"},
      {"7. Utilities", "Utilities", 8, "07-utilities.txt"},
      {"8. Calculate Ratings", "Calculate Ratings", 10, "08-calculate-ratings.txt"},
      {"9. QTP Swiss Tournament", "Swiss Tournament", 12, "09-swiss-tournament.txt"},
      {"10. Small Tournament", "Small Tournament", 13, "10-small-tournament.txt"},
      {"11. Imported user files", "Imported User Files", 15, "11-imported-user-files.txt"},
      {"12. Files and Directories", "Files and Directories", 16, "12-files-and-directories.txt"},
      {"13. Error Correction", "Error Correction", 17, "13-error-correction.txt"},
      {"14. How to", "How To", 19, "14-how-to.txt"},
      {"15. What if", "What If", 20, "15-what-if.txt"},
      {"16. Program Design", "Design", 22, "16-program-design.txt"},
  };
  return chapters;
}

std::vector<std::string> ReadMeMenuCaptions() {
  std::vector<std::string> captions(23, "-");
  for (const auto& c : HelpChapters()) captions[static_cast<size_t>(c.menuIndex)] = c.caption;
  return captions;
}

std::vector<SortedList::Item> HelpLines(const std::vector<std::string>& bodies) {
  std::vector<SortedList::Item> lines;
  const auto& chapters = HelpChapters();
  for (size_t i = 0; i < chapters.size(); ++i) {
    lines.push_back({std::string(50, ' ') + chapters[i].title, chapters[i].menuIndex + 1});
    lines.push_back({" ", 0});
    const std::string& body = i < bodies.size() ? bodies[i] : std::string();
    size_t pos = 0;
    while (pos < body.size()) {
      size_t end = body.find('\n', pos);
      if (end == std::string::npos) end = body.size();
      std::string line = body.substr(pos, end - pos);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back({" " + line, 0});
      pos = end + 1;
    }
    lines.push_back({std::string(144, '-'), 0});
  }
  return lines;
}

int HelpTopLine(const std::vector<SortedList::Item>& lines, int menuIndex) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].value == menuIndex + 1) return static_cast<int>(i);
  return -1;
}

}  // namespace hrs
