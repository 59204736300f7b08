#include "core/tournament/grouping.h"

#include <algorithm>

#include "core/text/align.h"
#include "core/text/sorted_list.h"
#include "core/tournament/tournament_tables.h"

namespace hrs {

GroupBounds GroupBoundsFor(int players) {
  return {std::max((players + 5) / 6, 2), std::min(players / 4, MaxGroups)};
}

GroupMembers DistributeByRating(const std::vector<int>& sysIds, int groups, const PlayerTable& players) {
  SortedList order;
  for (int id : sysIds) {
    const PlayerRecord& p = players[id];
    order.Add(RightAlign(p.Rating, 4) + FirstChars(p.Name.str(), 23), id);
  }
  GroupMembers members;
  int placed = 0;
  for (size_t i = order.Size(); i-- > 0; ++placed) {
    const int id = order[i].value;
    if (placed < groups) {
      members[static_cast<size_t>(placed + 1)].push_back(id);
    } else {
      const int inRow = (placed - groups) % groups;  // 0 = group G
      members[static_cast<size_t>(groups - inRow)].push_back(id);
    }
  }
  return members;
}

GroupMembers DistributeRandomly(const std::vector<int>& sysIds, int groups, Random& random) {
  const int n = static_cast<int>(sysIds.size());
  std::vector<bool> drawn(static_cast<size_t>(n + 1), false);
  GroupMembers members;
  for (int placed = 0; placed < n; ++placed) {
    int k;
    do {
      k = DrawOneTo(random, n);
    } while (drawn[static_cast<size_t>(k)]);
    drawn[static_cast<size_t>(k)] = true;
    members[static_cast<size_t>(placed % groups + 1)].push_back(sysIds[static_cast<size_t>(k - 1)]);
  }
  return members;
}

}  // namespace hrs
