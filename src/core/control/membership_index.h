#pragma once
#include <cstdint>
#include <unordered_map>

#include "core/data/player_record.h"

namespace hrs {

// The lowest Sys Id holding each membership number (deleted and void
// players included), as the search of the table in Sys Id order finds it;
// built once per file pass instead of one search per id.
class MembershipIndex {
 public:
  explicit MembershipIndex(const PlayerTable& players);
  // 0 when no player holds the number.
  int Find(long long mbShipNo) const;

 private:
  std::unordered_map<int32_t, int> first_;
};

}  // namespace hrs
