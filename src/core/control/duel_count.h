#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/data/database.h"
#include "core/platform/clock.h"

namespace hrs {

// The number of complete records of `valuesPerRecord` values in a "write"
// form file, read as the readers take values by position across lines.
size_t CountRecords(std::string_view bytes, size_t valuesPerRecord);

// The duels of the rating year so far: the month files and the validated
// registered tournaments of the months up to the current month (all twelve
// for an earlier rating year). Files that cannot be read are skipped.
long long CountDuelsInBase(const Database& db, const Clock& clock);

// Counts, keeps the count as LatestCount and saves the setup; the reason
// when the setup could not be saved (the count is kept in memory all the same).
struct [[nodiscard]] DuelCountOutcome {
  long long total = 0;
  std::optional<std::string> saveError;
};
DuelCountOutcome CountAndKeepDuels(Database& db, const Clock& clock);

// " 417 validated duels "
std::string DuelCountText(long long total);

}  // namespace hrs
