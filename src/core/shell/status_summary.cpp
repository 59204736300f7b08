#include "core/shell/status_summary.h"

#include "core/text/align.h"

namespace hrs {

std::vector<std::string> StatusSummaryLines(const Database& db) {
  std::vector<std::string> lines;
  lines.push_back("");
  lines.push_back(" Ranking List:");
  lines.push_back("  " + db.setup.ListName.str());
  lines.push_back("");
  lines.push_back(" Players:");
  lines.push_back("  Maximum      " + RightAlign(PlayerCapacity, 6));
  lines.push_back("  Active       " + RightAlign(db.players.ActiveCount, 6));
  lines.push_back("");
  lines.push_back(" Rating:");
  lines.push_back("  Year         " + RightAlign(db.setup.RatingYear, 6));
  if (db.AverageRating > 0) lines.push_back("  Average      " + RightAlign(db.AverageRating, 6));
  if (db.setup.LatestCount > 0)
    lines.push_back("  Latest count " + RightAlign(db.setup.LatestCount, 6) + " duels");
  return lines;
}

std::string StatusDirectoryText(const std::string& directory, size_t maxChars) {
  return LastChars(directory, maxChars);
}

}  // namespace hrs
