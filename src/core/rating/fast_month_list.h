#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/rating/month_list.h"
#include "core/rating/player_identifier.h"

namespace hrs {

// The month list without item texts, for results of the usual shape: a two
// digit day, ids of 1 to 8 plain digits and a code of "", " ", "X" or "x".
// For those a packed number orders exactly as the item text does: the day,
// then each id by (number of digits, value) -- blanks pad on the left and sort
// before digits -- then the code. Anything else gives nothing, and the caller
// falls back to the item texts, so the order is always the sorted list's.
class FastMonthList {
 public:
  explicit FastMonthList(const PlayerIdentifier& identify) : identify_(identify) {}

  // Adds a collected result; false when it is not of the usual shape.
  bool Add(const MonthResult& r);
  // Adds the lines of a month file dated up to today ("yyyymmdd"); false
  // (having added nothing) when any line is not of the usual shape.
  bool AddMonthFile(std::string_view bytes, std::string_view today);

  size_t Size() const { return items_.size(); }
  // The entries in list order.
  std::vector<RatedEntry> Sorted();

 private:
  struct Packed {
    uint64_t key;
    int16_t first;
    int16_t second;
    bool draw;
  };
  const PlayerIdentifier& identify_;
  std::vector<Packed> items_;
};

}  // namespace hrs
