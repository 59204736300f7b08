#pragma once
#include <cstdint>
#include <vector>

#include "core/data/player_record.h"

namespace hrs {

// Tells which player a result id stands for: 1..PlayerCount is a Sys Id;
// another positive id (not 999999) is a membership number and stands for the
// lowest Sys Id holding it; anything else, or a number nobody holds, is an
// unknown player (0). The membership numbers are indexed once, so a lookup
// costs the same for every id.
class PlayerIdentifier {
 public:
  explicit PlayerIdentifier(const PlayerTable& players);

  int Identify(long long id) const {
    if (id > 0 && id <= playerCount_) return static_cast<int>(id);
    if (id <= 0 || id == NoMembership) return 0;
    return LookupMembership(id);
  }
  // An id as read from a result: a value with a fraction is nobody's id.
  int Identify(double id) const;

 private:
  static size_t Slot(int64_t key, size_t mask) {
    return static_cast<size_t>((static_cast<uint64_t>(key) * 0x9E3779B97F4A7C15ull) >> 40) & mask;
  }
  int LookupMembership(long long number) const {
    for (size_t s = Slot(number, mask_); keys_[s] != 0; s = (s + 1) & mask_)
      if (keys_[s] == number) return ids_[s];
    return 0;
  }

  int playerCount_ = 0;
  // Open addressing: keys and the Sys Ids holding them; key 0 marks a free slot.
  std::vector<int64_t> keys_;
  std::vector<int16_t> ids_;
  size_t mask_ = 0;
};

}  // namespace hrs
