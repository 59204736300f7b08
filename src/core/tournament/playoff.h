#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/data_location.h"
#include "core/data/player_record.h"
#include "core/platform/random.h"
#include "core/text/sorted_list.h"
#include "core/tournament/tournament_tables.h"

namespace hrs {

class Dialogs;

// Columns of a playoff round (1..4) in the PlayoffTable.
inline int MatchColumn(int round) { return (round - 1) * 3 + 1; }
inline int SysIdColumn(int round) { return (round - 1) * 3 + 2; }
inline int WonColumn(int round) { return (round - 1) * 3 + 3; }

// The round of the final: 2 for 4 players, 3 for 8.
int FinalRound(int playoffSize);

inline constexpr const char* ByRankingMethod = "By tournament ranking";
inline constexpr const char* RandomlyMethod = "Randomly";

// The qualification list: every group in qualification order; item data Sys Id.
std::vector<SortedList::Item> QualificationLines(const SmallTournament& t, const PlayerTable& players);
inline constexpr const char* QualificationCaption = "     G     P   P-ratio       D-ratio    Name";
std::string QualificationText(const SmallTournament& t);

// The bracket positions' seeds: 1, 4, 3, 2 or 1, 8, 5, 4, 3, 6, 7, 2.
std::vector<int> SeedsByPosition(int playoffSize);

// One bracket position as the seeding file holds it.
struct SeedingEntry {
  std::string seed;  // right-aligned in 3, or " " for a random draw
  int sysId = 0;
  std::string name;
};
struct Seeding {
  std::string method;
  std::vector<SeedingEntry> entries;
};

// Seeds the starred players (Sys Ids in the order of their rank, best first)
// into a new PlayoffTable of t, by ranking or by drawing through `random`.
Seeding MakePairing(SmallTournament& t, const std::vector<int>& ranked, bool randomly, Random& random,
                    const PlayerTable& players);
// The list shown after "&Pair ": the positions between dash lines.
std::vector<SortedList::Item> PairingLines(const Seeding& seeding);

// The bracket display; dashes: 36 when the view opens, 39 after an entry.
std::vector<SortedList::Item> BracketLines(const SmallTournament& t, const PlayerTable& players, size_t dashes);

// Puts every round's winners (and the semifinal losers) into the next round
// anew from the results.
void AdvanceWinners(SmallTournament& t);

// The pair (first row) of a playoff match whose two players are known.
struct PlayoffMatch {
  int round = 0;
  int row = 0;
};
std::optional<PlayoffMatch> FindPlayoffMatch(const SmallTournament& t, int matchNumber);
bool PlayoffHasResult(const SmallTournament& t, const PlayoffMatch& m);

// A playoff match that went into the outside files: both players known, a
// result entered, not the 9-9 of a match not played, and a winner.
struct DecidedMatch {
  int round = 0;
  int winner = 0;
  int loser = 0;
};
std::vector<DecidedMatch> DecidedPlayoffMatches(int playoffSize, const PlayoffTable& table);

// The bracket and the seeding file.
std::string BracketFileBytes(int playoffSize, const PlayoffTable& table);
bool ReadBracketFile(std::string_view bytes, int& playoffSize, PlayoffTable& table);
std::string SeedingFileBytes(const Seeding& seeding);
std::optional<Seeding> ReadSeedingFile(std::string_view bytes);

[[nodiscard]] bool SaveBracketFile(const DataLocation& where, const SmallTournament& t, Dialogs& dialogs);
[[nodiscard]] bool SaveSeedingFile(const DataLocation& where, const SmallTournament& t, const Seeding& seeding,
                                   Dialogs& dialogs);
// Reads the bracket file into t; false when it is missing or unreadable.
bool LoadBracket(const DataLocation& where, SmallTournament& t);
std::optional<Seeding> LoadSeeding(const DataLocation& where, const std::string& base);
bool BracketFileExists(const DataLocation& where, const std::string& base);

}  // namespace hrs
