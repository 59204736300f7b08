#pragma once
#include <array>
#include <vector>

#include "core/data/player_record.h"
#include "core/platform/random.h"

namespace hrs {

// The number of groups the operator may choose for n players: at least
// n / 6 rounded up (never below 2), at most n / 4 rounded down (never above 8).
struct GroupBounds {
  int minimum = 0;
  int maximum = 0;
};
GroupBounds GroupBoundsFor(int players);

// The members of groups 1..8 (index 0 unused) by Sys Id, in position order.
using GroupMembers = std::array<std::vector<int>, 9>;

// By rating: the best `groups` players head groups 1..G in order; every
// further row runs from group G down to group 1.
GroupMembers DistributeByRating(const std::vector<int>& sysIds, int groups, const PlayerTable& players);

// At random: players drawn one by one, placed row by row from group 1 to G.
GroupMembers DistributeRandomly(const std::vector<int>& sysIds, int groups, Random& random);

}  // namespace hrs
