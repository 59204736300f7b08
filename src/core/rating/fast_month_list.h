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
// before digits -- then the code. Anything else is refused, and the caller
// falls back to the item texts, so the order is always the sorted list's.
// The different ids of a month are ranked in that order first, so the number
// stays small and the sort takes few passes.
class FastMonthList {
 public:
  explicit FastMonthList(const PlayerIdentifier& identify);

  // Empties the list for the next month, keeping its buffers.
  void Clear();
  // Adds a collected result; false when it is not of the usual shape.
  bool Add(const MonthResult& r);
  // Adds the lines of a month file dated up to today ("yyyymmdd"); false
  // (having added nothing) when any line is not of the usual shape.
  bool AddMonthFile(std::string_view bytes, std::string_view today);

  size_t Size() const { return items_.size(); }
  // The entries in list order; false when the month holds more different
  // ids than the packed numbers can rank (far beyond a month's limit).
  bool Sorted(std::vector<RatedEntry>& entries);

 private:
  // Ids of up to 4 digits are looked up directly, longer ones hashed.
  static constexpr uint32_t SmallKeys = 11110;
  // Slots beyond 16 bits are cut short here, but Sorted refuses a month of
  // that many ids before it reads them.
  struct Raw {
    uint16_t first, second;  // slots of the ids
    uint16_t dayCode;        // day << 3 | code rank << 1 | draw
  };
  uint32_t Slot(uint32_t key, uint32_t value) {
    if (key >= SmallKeys) {
      // Most long ids are found at the first place they hash to.
      const uint64_t e = largeTable_[HashPos(key)];
      if (static_cast<uint32_t>(e >> 32) == key) return static_cast<uint32_t>(e & 0xFFFFFFFFu) - 1;
      return LargeSlot(key, value);
    }
    int32_t& s = smallSlot_[key];
    if (s < 0) s = static_cast<int32_t>(NewSlot(key, value));
    return static_cast<uint32_t>(s);
  }
  uint32_t LargeSlot(uint32_t key, uint32_t value);
  size_t HashPos(uint32_t key) const { return (key * 0x9E3779B1u) >> (32 - largeBits_); }
  uint32_t NewSlot(uint32_t key, uint32_t value);
  void GrowLarge();
  // Ids as (key, value) pairs.
  void Push(uint32_t day, uint32_t key1, uint32_t value1, uint32_t key2, uint32_t value2, uint32_t code, bool draw);

  const PlayerIdentifier& identify_;
  // The different ids of the month: key and player per slot.
  std::vector<uint32_t> slotKey_;
  std::vector<int16_t> slotSysId_;
  std::vector<int32_t> smallSlot_;
  std::vector<uint64_t> largeTable_;
  unsigned largeBits_ = 13;
  std::vector<size_t> largeUsed_;
  std::vector<Raw> items_;
  std::vector<uint64_t> large_, packed_, scratch_;
  std::vector<uint32_t> rank_, counts_;
};

}  // namespace hrs
