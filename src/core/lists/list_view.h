#pragma once
#include <string>
#include <vector>

namespace hrs {

// What the list window dbListView shows for one command.
struct ListViewContent {
  std::string caption;
  std::string header;              // the header label over the list
  std::vector<std::string> lines;
  bool selectFirst = true;         // the first line selected once filled
  // The same list as cells, for Export...: one row per line, no padding.
  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> cells;
};

inline constexpr const char* NoPlayersInDatabase = "No players in database";

}  // namespace hrs
