#pragma once
#include <optional>
#include <string>

#include "core/data/data_location.h"
#include "core/data/transaction.h"

namespace hrs {

// Whether a filed line stands for the selected transaction: same date, and
// for a win the same winner and loser (a draw line is not a win); for a draw
// a draw line with the two ids in either order.
bool MatchesTransaction(const Transaction& filed, const Transaction& selected);

// The position (0-based record) of the first line of the month file that
// stands for the selected transaction, or nothing.
std::optional<size_t> FindTransaction(const DataLocation& where, int year, int month, const Transaction& selected);

struct DeleteOutcome {
  enum class Result { Deleted, NotFound, Failed };
  Result result = Result::NotFound;
  std::string reason;  // why writing failed
};

// Deletes the first line standing for the selected transaction from its
// month file. The file is first copied to the scratch file "hvkwork.dat"
// (located like the month files); the month file is then replaced whole and
// atomically by every other line, each written again from its values as read
// (quoted or bare as they were), so that a crash leaves either the old or the
// new file. The scratch file is deleted afterwards.
DeleteOutcome DeleteTransaction(const DataLocation& where, int year, int month, const Transaction& selected);

}  // namespace hrs
