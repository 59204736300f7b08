#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/data_location.h"
#include "core/data/failure.h"
#include "core/tournament/tournament_tables.h"

namespace hrs {

class Dialogs;

// The files of a tournament: TournamentBase + suffix, no extension.
inline constexpr const char* HeaderSuffix = "fast";
inline constexpr const char* GroupSuffix = "grup";
inline constexpr const char* MatchSuffix = "kamp";
inline constexpr const char* BracketSuffix = "selim";
inline constexpr const char* SeedingSuffix = "sepo";

std::string TournamentFileName(const std::string& base, const char* suffix);

// The bytes of each file, in the write form.
std::string HeaderFileBytes(const TournamentHeader& header);
std::string GroupFileBytes(const SmallTournament& t);
std::string MatchFileBytes(const MatchTable& matches);

// Reading; nothing when the bytes do not hold what the file must.
std::optional<TournamentHeader> ReadHeaderFile(std::string_view bytes);
std::optional<MatchTable> ReadMatchFile(std::string_view bytes, int rounds, int tables);
// The sizes and the members with their statistics, for groups 1..groups.
bool ReadGroupFile(std::string_view bytes, int groups, GroupSizes& sizes, GroupTable& table);

// The automatic saves. When a file cannot be written the operator is told
// at once, naming the file; the tournament in memory stays as it is and the
// next change writes the file again. True when written.
[[nodiscard]] bool SaveHeaderFile(const DataLocation& where, const SmallTournament& t, Dialogs& dialogs);
[[nodiscard]] bool SaveGroupFile(const DataLocation& where, const SmallTournament& t, Dialogs& dialogs);
[[nodiscard]] bool SaveMatchFile(const DataLocation& where, const SmallTournament& t, Dialogs& dialogs);
// Any file of the tournament, named in the data directory, saved so.
[[nodiscard]] bool SaveTournamentFile(const DataLocation& where, const std::string& name, const std::string& bytes,
                                      Dialogs& dialogs);

// The files of a new match program. An earlier tournament of the same day
// loses all its files first (its playoff would otherwise pass for this
// one's), and the header comes last: a tournament in the list always has
// its match and group files, whenever the program is stopped. A file that
// fails is told and the others are still written, so the tournament stays
// in the list to be loaded. True when all three were written.
[[nodiscard]] bool WriteNewTournament(const DataLocation& where, const SmallTournament& t, Dialogs& dialogs);

// The message of a save that failed.
std::string SaveFailedText(const std::string& fileName, const std::string& reason);

// The TournamentBase of every header file in the data directory, sorted.
std::vector<std::string> TournamentList(const DataLocation& where);

// Loads the header, match and group files of `base` into `t`, with the
// messages for files that cannot be read. True when loaded (and the
// match-program flag set).
bool LoadTournament(const DataLocation& where, const std::string& base, SmallTournament& t, Dialogs& dialogs);

// Removes the five files of `base` (missing ones are passed over). The
// names of the files that exist but could not be removed.
std::vector<std::string> DeleteTournamentFiles(const DataLocation& where, const std::string& base);

}  // namespace hrs
