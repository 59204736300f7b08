#pragma once
#include <string>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"

namespace hrs {

// The running totals after a year: won (4, leading zeros) + drawn (3, leading
// zeros) + lost (right-aligned in 4) added to what was carried.
std::string CarriedTotals(const TextField& carried, int won, int drawn, int lost);

// The data of the new year, made from those of the year that ends.
struct NewYearData {
  PlayerTable players;
  RatingStats stats;
  SetupRecord setup;
};
NewYearData ConvertForNewYear(const Database& db, bool carry);

// The conversion dialogue from the clock check to the final message. The
// player, statistics and setup files and the year copy of the player file
// are replaced together; on any failure files and memory stay as they were.
enum class NewYear { Done, WrongClock, Declined, Failed };
NewYear RunNewYearConversion(Database& db, Dialogs& dialogs, const Clock& clock);

std::string NewYearInstructions();
std::string WrongClockMessage();
inline constexpr const char* WrongClockTitle = "Invalid request for New Year conversion";
std::string NewYearFailedMessage();

}  // namespace hrs
