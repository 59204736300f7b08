#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/data/transaction.h"
#include "core/rating/player_identifier.h"

namespace hrs {

// One result collected for a month, as read from its file.
struct MonthResult {
  std::string day;     // the last two characters of the date
  std::string first;   // ids as read, quotes stripped
  std::string second;
  std::string code;
};

MonthResult FromMonthLine(const Transaction& t);
MonthResult FromTournamentDuel(const std::string& date, const TournamentDuel& d);

// The month list's item: the day, the first and the second id right-aligned
// in 8 characters each, then the code as read.
std::string MonthItemText(const MonthResult& r);

// A result in rating order with its players identified (0 = unknown).
// Sys Ids (at most 1998, 0 the unknown player) fit in 16 bits, and the lists
// of a year take half the memory.
struct RatedEntry {
  int16_t first = 0;
  int16_t second = 0;
  bool draw = false;
  bool newDay = false;  // its day differs from the one before it
  bool operator==(const RatedEntry&) const = default;
};

// The month list the plain way: item texts kept in the sorted list, then each
// item split again at its fixed columns (ids in characters 3-10 and 11-18,
// the code in character 19 of a 19-character item) and identified.
std::vector<RatedEntry> SortedMonthEntries(const std::vector<MonthResult>& results,
                                           const PlayerIdentifier& identify);

}  // namespace hrs
