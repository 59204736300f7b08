#pragma once
#include "core/data/data_location.h"
#include "core/data/player_record.h"
#include "core/data/rating_stats.h"
#include "core/data/setup_record.h"

namespace hrs {

inline constexpr const char* ProductTitle = "Halvik Ranking System 1.24";
inline constexpr const char* ProductShort = "HRS 1.24";

// The data sets held in memory for the whole run; every window reads and
// changes them in place and writes the changed set back whole.
struct Database {
  DataLocation location;
  SetupRecord setup;
  PlayerTable players;
  RatingStats stats;
  int StartupOk = 0;
  int AverageRating = 0;
};

}  // namespace hrs
