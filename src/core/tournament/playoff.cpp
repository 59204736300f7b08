#include "core/tournament/playoff.h"

#include <algorithm>
#include <filesystem>

#include "core/data/file_io.h"
#include "core/data/write_form.h"
#include "core/platform/dialogs.h"
#include "core/text/align.h"
#include "core/text/numeric.h"
#include "core/tournament/standings.h"
#include "core/tournament/tournament_files.h"
#include "core/tournament/tournament_lines.h"

namespace hrs {

namespace {

bool ValidSize(int size) { return size == 4 || size == 8; }

}  // namespace

int FinalRound(int playoffSize) { return playoffSize == 8 ? 3 : 2; }

std::vector<SortedList::Item> QualificationLines(const SmallTournament& t, const PlayerTable& players) {
  std::vector<SortedList::Item> lines;
  for (int g = 1; g <= t.header.Groups && g <= MaxGroups; ++g) {
    bool first = true;
    for (int p : GroupOrder(t, g, StandingsOrder::Qualification)) {
      const int id = t.groups.SysId(g, p);
      std::string line = first ? "  " + std::to_string(g) : "   ";
      first = false;
      line += RightAlign(t.groups.At(g, p, GfPoints), 3);
      line += RightAlign(PointRatioText(PointRatio(t, g, p)), 6);
      line += RightAlign(DuelRatioText(DuelRatio(t.groups, g, p)), 8);
      line += " " + NameOf(players, id);
      lines.push_back({line, id});
    }
  }
  return lines;
}

std::string QualificationText(const SmallTournament& t) {
  std::string text = "These are the standings by group for the playoff pairing. G is group, P is points.";
  if (t.header.TwoOneOn()) text += " Players in smaller groups have been awarded a 2-1 victory on your request.";
  return text + " Please DblClick to select players for the playoff. When ready click Perform/ Playoff Pairing.";
}

std::vector<int> SeedsByPosition(int playoffSize) {
  if (playoffSize == 8) return {1, 8, 5, 4, 3, 6, 7, 2};
  return {1, 4, 3, 2};
}

Seeding MakePairing(SmallTournament& t, const std::vector<int>& ranked, bool randomly, Random& random,
                    const PlayerTable& players) {
  const int size = static_cast<int>(ranked.size());
  t.playoffSize = size;
  t.playoff = PlayoffTable{};
  Seeding seeding;
  std::vector<int> rankAt;  // the rank (1 = best) of each bracket position
  if (randomly) {
    random.Randomize();
    seeding.method = RandomlyMethod;
    std::vector<bool> drawn(static_cast<size_t>(size) + 1, false);
    while (static_cast<int>(rankAt.size()) < size) {
      const int rank = DrawOneTo(random, size);
      if (drawn[static_cast<size_t>(rank)]) continue;
      drawn[static_cast<size_t>(rank)] = true;
      rankAt.push_back(rank);
    }
  } else {
    seeding.method = ByRankingMethod;
    rankAt = SeedsByPosition(size);
  }
  for (int p = 1; p <= size; ++p) {
    const int rank = rankAt[static_cast<size_t>(p - 1)];
    const int id = ranked[static_cast<size_t>(rank - 1)];
    t.playoff.At(p, SysIdColumn(1)) = static_cast<int16_t>(id);
    if (p % 2 == 1) t.playoff.At(p, MatchColumn(1)) = static_cast<int16_t>((p + 1) / 2);
    seeding.entries.push_back({randomly ? std::string(" ") : RightAlign(rank, 3), id, NameOf(players, id)});
  }
  // The later rounds' match numbers: the final and the match for 3rd place
  // follow the semifinals.
  int number = size / 2;
  for (int round = 2; round <= FinalRound(size); ++round) {
    const int pairs = round == FinalRound(size) ? 2 : size / (2 << (round - 1));
    for (int k = 0; k < pairs; ++k) t.playoff.At(1 + 2 * k, MatchColumn(round)) = static_cast<int16_t>(++number);
  }
  return seeding;
}

std::vector<SortedList::Item> PairingLines(const Seeding& seeding) {
  const std::string dashes = " " + std::string(32, '-');
  std::vector<SortedList::Item> lines{{dashes, 0}};
  const bool random = seeding.method == RandomlyMethod;
  for (size_t i = 0; i < seeding.entries.size(); ++i) {
    const SeedingEntry& e = seeding.entries[i];
    lines.push_back({(random ? std::string(" ") : RightAlign(Trim(e.seed), 3) + " ") + "(" + RightAlign(e.sysId, 3) +
                         ") " + e.name,
                     e.sysId});
    if (i % 2 == 1) lines.push_back({dashes, 0});
  }
  return lines;
}

std::vector<SortedList::Item> BracketLines(const SmallTournament& t, const PlayerTable& players, size_t dashes) {
  std::vector<SortedList::Item> lines;
  if (!ValidSize(t.playoffSize)) return lines;
  const PlayoffTable& b = t.playoff;
  const int final = FinalRound(t.playoffSize);
  for (int round = 1; round <= final; ++round) {
    if (round == final) lines.push_back({"Final:", 0});
    for (int row = 1; row <= 15; row += 2) {
      const int number = b.At(row, MatchColumn(round));
      const int a = b.At(row, WonColumn(round)), c = b.At(row + 1, WonColumn(round));
      if (number != 0 && a != 9 && c != 9) {
        const std::string& first = NameOf(players, b.At(row, SysIdColumn(round)));
        const std::string& second = NameOf(players, b.At(row + 1, SysIdColumn(round)));
        if (a > 0 || c > 0) {
          lines.push_back({RightAlign(number, 3) + RightAlign(a, 6) + (a > c ? " +  " : "    ") + first, number});
          lines.push_back({"   " + RightAlign(c, 6) + (c > a ? " +  " : "    ") + second, number});
        } else {
          lines.push_back({RightAlign(number, 3) + std::string(10, ' ') + first, number});
          lines.push_back({std::string(13, ' ') + second, number});
        }
      }
      if (round == final && row == 1) lines.push_back({"3rd/4th:", 0});
    }
    if (round < final) lines.push_back({std::string(dashes, '-'), 0});
  }
  return lines;
}

void AdvanceWinners(SmallTournament& t) {
  if (!ValidSize(t.playoffSize)) return;
  PlayoffTable& b = t.playoff;
  const int final = FinalRound(t.playoffSize);
  for (int round = 1; round < final; ++round) {
    const int next = SysIdColumn(round + 1);
    for (int row = 1; row <= 16; ++row) b.At(row, next) = 0;
    int nextRow = 1, decided = 0;
    for (int row = 1; row <= 15; row += 2) {
      if (b.At(row, MatchColumn(round)) == 0) continue;
      const int a = b.At(row, WonColumn(round)), c = b.At(row + 1, WonColumn(round));
      if (a == c) continue;
      const int winner = b.At(a > c ? row : row + 1, SysIdColumn(round));
      const int loser = b.At(a > c ? row + 1 : row, SysIdColumn(round));
      b.At(nextRow++, next) = static_cast<int16_t>(winner);
      if (round == final - 1) b.At(2 + ++decided, next) = static_cast<int16_t>(loser);
    }
  }
}

std::optional<PlayoffMatch> FindPlayoffMatch(const SmallTournament& t, int matchNumber) {
  if (!ValidSize(t.playoffSize)) return std::nullopt;
  for (int round = 1; round <= FinalRound(t.playoffSize); ++round)
    for (int row = 1; row <= 15; row += 2)
      if (t.playoff.At(row, MatchColumn(round)) == matchNumber && t.playoff.At(row, SysIdColumn(round)) != 0 &&
          t.playoff.At(row + 1, SysIdColumn(round)) != 0)
        return PlayoffMatch{round, row};
  return std::nullopt;
}

bool PlayoffHasResult(const SmallTournament& t, const PlayoffMatch& m) {
  return t.playoff.At(m.row, WonColumn(m.round)) > 0 || t.playoff.At(m.row + 1, WonColumn(m.round)) > 0;
}

std::vector<DecidedMatch> DecidedPlayoffMatches(int playoffSize, const PlayoffTable& b) {
  std::vector<DecidedMatch> out;
  if (!ValidSize(playoffSize)) return out;
  for (int round = 1; round <= FinalRound(playoffSize); ++round) {
    for (int row = 1; row <= 15; row += 2) {
      if (b.At(row, MatchColumn(round)) == 0) continue;
      const int first = b.At(row, SysIdColumn(round)), second = b.At(row + 1, SysIdColumn(round));
      const int a = b.At(row, WonColumn(round)), c = b.At(row + 1, WonColumn(round));
      if (first == 0 || second == 0 || a == c) continue;  // open, not played (9-9) or no winner
      out.push_back(a > c ? DecidedMatch{round, first, second} : DecidedMatch{round, second, first});
    }
  }
  return out;
}

std::string BracketFileBytes(int playoffSize, const PlayoffTable& table) {
  std::string out = std::to_string(playoffSize) + "\r\n";
  for (int row = 1; row <= 16; ++row)
    for (int col = 1; col <= 12; ++col) out += std::to_string(table.At(row, col)) + "\r\n";
  return out;
}

bool ReadBracketFile(std::string_view bytes, int& playoffSize, PlayoffTable& table) {
  WriteFormReader in(bytes);
  const auto size = in.Integer(4, 8);
  if (!size || !ValidSize(static_cast<int>(*size))) return false;
  PlayoffTable read;
  for (int row = 1; row <= 16; ++row)
    for (int col = 1; col <= 12; ++col) {
      const auto v = in.Integer(0, PlayerCapacity);
      if (!v) return false;
      read.At(row, col) = static_cast<int16_t>(*v);
    }
  playoffSize = static_cast<int>(*size);
  table = read;
  return true;
}

std::string SeedingFileBytes(const Seeding& seeding) {
  std::string out = WriteFormLine().Text(seeding.method).Str();
  for (const SeedingEntry& e : seeding.entries)
    out += WriteFormLine().Text(e.seed).Text(RightAlign(e.sysId, 3)).Text(SafeFileText(e.name)).Str();
  return out;
}

std::optional<Seeding> ReadSeedingFile(std::string_view bytes) {
  WriteFormReader in(bytes);
  Seeding s;
  const auto method = in.Text();
  if (!method) return std::nullopt;
  s.method = *method;
  while (!in.AtEnd()) {
    const auto seed = in.Text();
    const auto id = in.Text();
    const auto name = in.Text();
    if (!seed || !id || !name || !IsNumeric(*id)) return std::nullopt;
    s.entries.push_back({*seed, static_cast<int>(LeadingNumber(*id)), *name});
  }
  if (s.entries.size() != 4 && s.entries.size() != 8) return std::nullopt;
  return s;
}

bool SaveBracketFile(const DataLocation& where, const SmallTournament& t, Dialogs& dialogs) {
  return SaveTournamentFile(where, TournamentFileName(t.base, BracketSuffix), BracketFileBytes(t.playoffSize, t.playoff),
                            dialogs);
}

bool SaveSeedingFile(const DataLocation& where, const SmallTournament& t, const Seeding& seeding, Dialogs& dialogs) {
  return SaveTournamentFile(where, TournamentFileName(t.base, SeedingSuffix), SeedingFileBytes(seeding), dialogs);
}

bool LoadBracket(const DataLocation& where, SmallTournament& t) {
  const auto bytes = ReadWholeFile(where.DataPath(TournamentFileName(t.base, BracketSuffix)));
  return bytes && ReadBracketFile(*bytes, t.playoffSize, t.playoff);
}

std::optional<Seeding> LoadSeeding(const DataLocation& where, const std::string& base) {
  const auto bytes = ReadWholeFile(where.DataPath(TournamentFileName(base, SeedingSuffix)));
  if (!bytes) return std::nullopt;
  return ReadSeedingFile(*bytes);
}

bool BracketFileExists(const DataLocation& where, const std::string& base) {
  std::error_code ec;
  return std::filesystem::exists(where.DataPath(TournamentFileName(base, BracketSuffix)), ec);
}

}  // namespace hrs
