#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/print_job.h"

namespace hrs {

// HistoryOrder: 1 by Sys Id, 2 by name.
enum class HistoryOrder { BySysId = 1, ByName = 2 };

inline constexpr int HistoryColumns = 15;

// What the grid window dbM_overview shows: row 0 the headings, then one row
// per active player; the grid has rowCount rows (PlayerCount + 1), the rows
// after the players left empty. Cells of months after the last month shown
// are empty.
struct HistoryGrid {
  std::string caption;
  int rowCount = 1;
  std::vector<std::array<std::string, HistoryColumns>> rows;
  std::vector<int> sysIds;  // the player of each row, 0 for the headings
};

// Column widths in twips, and which columns are centred (all but the name).
inline int HistoryColumnTwips(int column) { return column == 1 ? 2500 : 420; }
inline bool HistoryColumnCentred(int column) { return column != 1; }

// The last month of the history: the current month in the calendar year of
// the ratings, December for an earlier rating year.
int LastHistoryMonth(const SetupRecord& setup, const Clock& clock);

HistoryGrid RatingHistoryGrid(HistoryOrder order, const Database& db, const Clock& clock);

// View, "Rating History by ...": nothing (after "No players in database")
// without players.
std::optional<HistoryGrid> ShowHistory(HistoryOrder order, const Database& db, Dialogs& dialogs, const Clock& clock);

// Print, "Rating History by ...": the orientation notice, the font, the
// printer set-up when the orientation does not suit the months, the print
// dialog; 50 players a page in portrait, 38 in landscape. True when printed.
bool PrintHistory(HistoryOrder order, const Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock);

// The active players in the order of the history.
std::vector<int> HistoryPlayers(HistoryOrder order, const PlayerTable& players);

inline constexpr const char* OrientationNotice =
    "If current month is August or later\ryou must specify landscape orientation\rand your printer and printer "
    "driver must\rsupport this orientation";
inline constexpr const char* StatisticsReadError = "Error reading file of statistics";

}  // namespace hrs
