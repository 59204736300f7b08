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

  int Identify(long long id) const;
  // An id as read from a result: a value with a fraction is nobody's id.
  int Identify(double id) const;

 private:
  int LookupMembership(long long number) const;

  int playerCount_ = 0;
  // Open addressing: keys and the Sys Ids holding them; key 0 marks a free slot.
  std::vector<int64_t> keys_;
  std::vector<int16_t> ids_;
  size_t mask_ = 0;
};

}  // namespace hrs
