#include "core/rating/player_identifier.h"

#include <cmath>

namespace hrs {

PlayerIdentifier::PlayerIdentifier(const PlayerTable& players) : playerCount_(players.PlayerCount) {
  size_t size = 16;
  while (size < static_cast<size_t>(playerCount_) * 2 + 2) size *= 2;
  keys_.assign(size, 0);
  ids_.assign(size, 0);
  mask_ = size - 1;
  // Walking upwards and keeping the first holder gives the lowest Sys Id.
  for (int id = 1; id <= playerCount_; ++id) {
    const int64_t number = players[id].MbShipNo;
    if (number <= 0 || number == NoMembership) continue;
    size_t s = Slot(number, mask_);
    while (keys_[s] != 0 && keys_[s] != number) s = (s + 1) & mask_;
    if (keys_[s] == 0) {
      keys_[s] = number;
      ids_[s] = static_cast<int16_t>(id);
    }
  }
}

int PlayerIdentifier::Identify(double id) const {
  if (!(std::fabs(id) < 9.0e18) || std::floor(id) != id) return 0;
  return Identify(static_cast<long long>(id));
}

}  // namespace hrs
