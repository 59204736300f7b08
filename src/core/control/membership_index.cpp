#include "core/control/membership_index.h"

namespace hrs {

MembershipIndex::MembershipIndex(const PlayerTable& players) {
  first_.reserve(static_cast<size_t>(players.PlayerCount) * 2 + 1);
  for (int id = 1; id <= players.PlayerCount; ++id) first_.emplace(players[id].MbShipNo, id);
}

int MembershipIndex::Find(long long mbShipNo) const {
  if (mbShipNo < INT32_MIN || mbShipNo > INT32_MAX) return 0;
  auto it = first_.find(static_cast<int32_t>(mbShipNo));
  return it == first_.end() ? 0 : it->second;
}

}  // namespace hrs
