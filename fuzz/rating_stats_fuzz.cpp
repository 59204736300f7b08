#include "core/data/rating_stats_file.h"
#include <memory>

#include "fuzz_support.h"

// The first byte picks how many players the file is read for.
HRS_FUZZ_TARGET({
  if (bytes.empty()) return 0;
  const int players = static_cast<unsigned char>(bytes[0]) * 8;
  auto stats = std::make_unique<hrs::RatingStats>();
  if (hrs::ParseRatingStats(bytes.substr(1), players, *stats) && players > 0) {
    const std::string saved = hrs::RatingStatsBytes(*stats, players);
    auto again = std::make_unique<hrs::RatingStats>();
    HRS_FUZZ_CHECK(hrs::ParseRatingStats(saved, players, *again));
    HRS_FUZZ_CHECK(hrs::RatingStatsBytes(*again, players) == saved);
  }
})
