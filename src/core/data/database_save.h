#pragma once
#include <optional>
#include <string>

#include "core/data/data_location.h"
#include "core/data/player_record.h"
#include "core/data/rating_stats.h"
#include "core/data/failure.h"

namespace hrs {

// The player file and the statistics file after a run that changed both:
// replaced together, so that they never come from two different runs.
Failure SavePlayersAndStatistics(const DataLocation& where, PlayerTable& table, const RatingStats& stats);

}  // namespace hrs
