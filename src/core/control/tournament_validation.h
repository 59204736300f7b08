#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/data_location.h"
#include "core/data/player_record.h"
#include "core/swiss/companion_files.h"
#include "core/text/sorted_list.h"

namespace hrs {

// The first pass over a companion result file: one line per id above
// PlayerCount that no player holds (not 999999), " " + the participant's
// name in 19 + the id right-aligned in 8, carrying the participant number.
// Without participants nothing is listed. Lines in the order found.
std::vector<SortedList::Item> FindUnknownPlayers(std::string_view bytes, const PlayerTable& players,
                                                 const std::vector<CompanionParticipant>* participants);

// A file this long is announced with "may take a while".
bool FirstPassMayTakeAWhile(size_t fileLength);

// The second pass: the file's bytes validated ("kontrol", the date line,
// every kept duel with converted ids) and the number of duels bypassed.
struct ValidatedTournament {
  std::string bytes;
  int bypassed = 0;
};
ValidatedTournament ValidateTournament(std::string_view bytes, const PlayerTable& players);

// The registry of a year with one more name, as registering writes it: a
// registry without tournaments (missing, or "No QTP files" first) holds the
// name alone, another gets it as a new last line.
std::string RegistryWithName(const std::optional<std::string>& registryBytes, const std::string& name);

// Validates the companion result file at `path` in place and registers it as
// `name` in the registry of `year`, both together: whatever fails, the file
// is as it was and the registry too, or the file is validated and
// registered. The reason on failure.
struct [[nodiscard]] RegisteredTournament {
  std::optional<std::string> error;
  int bypassed = 0;
  bool firstRegistration = false;  // the registry held no tournament before
};
RegisteredTournament ValidateAndRegister(const DataLocation& where, const std::filesystem::path& path,
                                         const std::string& name, int year, const PlayerTable& players);

// Registers a file as it stands (the small tournament's files).
RegisteredTournament RegisterUnchanged(const DataLocation& where, const std::string& name, int year);

// The calendar year of a file's last-modified date (local time), or nothing.
std::optional<int> FileYear(const std::filesystem::path& path);

// The year a tournament result file belongs to. A companion file's own date
// line ("yyyymmdd", after "kontrol" once validated) decides, as that date is
// the one rated; the last-modified year serves the small tournament's files
// and a file whose date line is no date.
std::optional<int> TournamentYear(const std::filesystem::path& path, bool companion);

}  // namespace hrs
