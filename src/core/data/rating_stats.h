#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/data/player_record.h"

namespace hrs {

// Per Sys Id the rating at the start of the year (column 1) and at the end of
// each month (column m + 1 for month m). 0 means no value known.
struct RatingStats {
  std::vector<std::array<int16_t, 14>> rows = std::vector<std::array<int16_t, 14>>(PlayerCapacity + 1);

  int16_t& At(int sysId, int column) { return rows[static_cast<size_t>(sysId)][static_cast<size_t>(column)]; }
  int16_t At(int sysId, int column) const {
    return rows[static_cast<size_t>(sysId)][static_cast<size_t>(column)];
  }
  void Clear() { rows.assign(PlayerCapacity + 1, {}); }
};

}  // namespace hrs
