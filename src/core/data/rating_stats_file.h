#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/data/data_location.h"
#include "core/data/rating_stats.h"
#include "core/platform/dialogs.h"
#include "core/data/failure.h"

namespace hrs {

std::string RatingStatsBytes(const RatingStats& stats, int playerCount);

// Reads playerCount rows of 13 values; false on too few or non-numeric values.
bool ParseRatingStats(std::string_view bytes, int playerCount, RatingStats& stats);

// Start-up loading with its questions; false ends start-up.
bool LoadRatingStatistics(const DataLocation& where, RatingStats& stats, int playerCount, int firstRating,
                          Dialogs& dialogs);

// Rewrites the statistics file with rows 1..playerCount; with no players the
// file is left as it is.
Failure SaveRatingStatistics(const DataLocation& where, const RatingStats& stats, int playerCount);

}  // namespace hrs
