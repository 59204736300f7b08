#pragma once
#include <string>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"

namespace hrs {

// "player" + year + ".hrs", the copy of the player file the New Year
// conversion keeps of the year it leaves.
std::string OldPlayerFileName(int year);

// Changes the rating year back to `year` (the previous calendar year): asks
// first, then puts the kept player file of that year in place of the player
// file, reloads the player table from it and saves the setup with the new
// year. The files it changes are first copied to a dated backup folder.
// Each failure has been shown when Failed comes back.
enum class RollBack { Done, Declined, Failed };
RollBack RollBackRatingYear(Database& db, int year, Dialogs& dialogs, const Clock& clock);

}  // namespace hrs
