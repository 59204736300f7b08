#pragma once
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"

namespace hrs {

// The player table and statistics of a year started again: every rating the
// default, counts cleared, deleted players void.
void ResetTableToDefault(PlayerTable& players, RatingStats& stats, int firstRating);

// Change ratings to default: keeps a backup and the ".old" copies, writes the
// reset player, statistics, registry and setup files together, renames the
// month files and the previous ranking to ".old" (a rename whose target
// exists is skipped), and tells the outcome. False when nothing was changed
// (the backup or the new files could not be written; both told).
bool ChangeRatingsToDefault(Database& db, Dialogs& dialogs, const Clock& clock);

// The closing message. `keptMonthFiles`: month files that kept their names
// (a second change in one year finds their ".old" names taken) and still
// hold results; the message names them instead of calling the month files
// emptied.
std::string ChangeToDefaultDoneMessage(const std::vector<std::string>& keptMonthFiles = {});

}  // namespace hrs
