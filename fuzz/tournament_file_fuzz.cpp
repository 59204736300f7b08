#include "core/data/tournament_file.h"
#include "fuzz_support.h"

HRS_FUZZ_TARGET({
  const auto file = hrs::ParseTournamentFile(bytes);
  if (file && file->validated) {
    file->Month();
    const std::string saved = hrs::TournamentFileBytes(file->date, file->duels);
    const auto again = hrs::ParseTournamentFile(saved);
    HRS_FUZZ_CHECK(again && again->validated);
    HRS_FUZZ_CHECK(hrs::TournamentFileBytes(again->date, again->duels) == saved);
  }
})
