#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/date_time.h"
#include "core/text/characters.h"

namespace hrs {

inline constexpr int MaxGroups = 8;
inline constexpr int MaxGroupSize = 6;
inline constexpr int MinTournamentPlayers = 8;
inline constexpr int MaxTournamentPlayers = 48;
inline constexpr int EventIdLength = 20;

// The tournament's header record.
struct TournamentHeader {
  // 1: players in smaller groups get a 2-1 victory; stored empty until the
  // first standings computation when the option was not chosen.
  std::optional<int16_t> TwoOneOption;
  int16_t Groups = 0;
  int16_t Rounds = 0;
  int16_t Tables = 0;
  int16_t Sanctioned = 0;
  std::string EventId;

  bool TwoOneOn() const { return TwoOneOption && *TwoOneOption == 1; }
  bool operator==(const TournamentHeader&) const = default;
};

// Members per group, index 1..8 (0 unused); 0 for a group without members.
using GroupSizes = std::array<int, MaxGroups + 1>;

// Field numbers of the group table.
enum GroupField { GfSysId = 1, GfPoints = 2, GfDuelsPlayed = 3, GfDuelsWon = 4, GfMatchesPlayed = 5 };

// Group (1..8) x position (1..6) x field (1..5).
class GroupTable {
 public:
  int16_t& At(int group, int position, int field) { return cells_[Index(group, position, field)]; }
  int16_t At(int group, int position, int field) const { return cells_[Index(group, position, field)]; }
  int16_t SysId(int group, int position) const { return At(group, position, GfSysId); }
  bool operator==(const GroupTable&) const = default;

 private:
  static size_t Index(int g, int p, int f) { return (static_cast<size_t>(g) * 7 + p) * 6 + f; }
  std::array<int16_t, 9 * 7 * 6> cells_{};
};

// Field numbers of the match table.
enum MatchField { MfFirst = 1, MfSecond = 2, MfFirstWon = 3, MfSecondWon = 4 };

// The result code of a match played and ended 0-0.
inline constexpr int16_t NilNilCode = 99;

// Round (1..Rounds) x table (1..Tables) x field (1..4). A (round, table)
// whose two Sys Ids are 0 is no match.
class MatchTable {
 public:
  MatchTable() = default;
  MatchTable(int rounds, int tables)
      : rounds_(rounds), tables_(tables), cells_(static_cast<size_t>(rounds * tables * 4), 0) {}

  int Rounds() const { return rounds_; }
  int Tables() const { return tables_; }
  int16_t& At(int round, int table, int field) { return cells_[Index(round, table, field)]; }
  int16_t At(int round, int table, int field) const { return cells_[Index(round, table, field)]; }
  bool IsMatch(int round, int table) const { return At(round, table, MfFirst) != 0 || At(round, table, MfSecond) != 0; }
  bool HasResult(int round, int table) const {
    return At(round, table, MfFirstWon) > 0 || At(round, table, MfSecondWon) > 0;
  }
  bool operator==(const MatchTable&) const = default;

 private:
  size_t Index(int r, int t, int f) const {
    return (static_cast<size_t>(r - 1) * static_cast<size_t>(tables_) + static_cast<size_t>(t - 1)) * 4 +
           static_cast<size_t>(f - 1);
  }
  int rounds_ = 0;
  int tables_ = 0;
  std::vector<int16_t> cells_;
};

// The playoff bracket: 16 rows x 12 columns, four rounds of (match number,
// Sys Id, duels won).
class PlayoffTable {
 public:
  int16_t& At(int row, int column) { return cells_[static_cast<size_t>((row - 1) * 12 + column - 1)]; }
  int16_t At(int row, int column) const { return cells_[static_cast<size_t>((row - 1) * 12 + column - 1)]; }
  bool operator==(const PlayoffTable&) const = default;

 private:
  std::array<int16_t, 16 * 12> cells_{};
};

// One small tournament as both tournament windows share it.
struct SmallTournament {
  TournamentHeader header;
  GroupSizes sizes{};
  GroupTable groups;
  MatchTable matches;
  std::string base;           // TournamentBase: "LT" + yymmdd
  bool matchProgram = false;  // the match-program flag
  bool resultsComplete = false;
  // The playoff.
  int playoffSize = 0;
  PlayoffTable playoff;
};

// "LT" + the date as yymmdd: 14 October 1997 is LT971014.
std::string TournamentBaseFor(const Date& day);

}  // namespace hrs
