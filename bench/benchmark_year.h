#pragma once
// A year of results for the calculation's benchmark, and a small one for the
// test that the months read ahead give the same files as the plain reading:
// ids a mix of Sys Ids (quoted, as typed) and membership numbers (bare, as
// imported) with a few unknown players, and three registered tournament
// files whose duels count towards their month's limit.
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"
#include "core/data/transaction_names.h"
#include "core/text/align.h"

namespace hrs::bench {

struct YearSize {
  int players = PlayerCapacity;
  int monthLimit = 32767;  // results a month, tournament duels included
  int tournamentDuels = 120;
};

inline int Membership(int sysId) { return 20000 + sysId * 7; }

// An id for a player: his Sys Id or his membership number, now and then an
// unknown player.
inline std::string BenchmarkId(std::mt19937& rng, int sysId, bool& quoted) {
  const unsigned roll = rng() % 100;
  quoted = roll < 50;
  if (roll < 50) return std::to_string(sysId);
  if (roll < 97) return std::to_string(Membership(sysId));
  if (roll < 99) return "999999";
  return std::to_string(90000000 + sysId);  // nobody's number
}

// False when the files cannot be written.
inline bool WriteBenchmarkYear(const std::filesystem::path& dir, int year, const YearSize& size) {
  std::mt19937 rng(1997);
  DataLocation where;
  where.dataDir = dir;
  SetupRecord setup = SetupRecord::Created(year);
  PlayerTable players;
  RatingStats stats;
  players.PlayerCount = size.players;
  for (int i = 1; i <= size.players; ++i) {
    auto& p = players[i];
    p.SysId = static_cast<int16_t>(i);
    p.Name = TextField::Of("Player " + std::to_string(i));
    p.Info = TextField::Of("");
    p.MbShipNo = Membership(i);
    p.StartRating = static_cast<int16_t>(1400 + rng() % 1100);
    p.Rating = p.StartRating;
    stats.At(i, 1) = p.StartRating;
  }
  players.ActiveCount = players.CountActive();
  if (SaveSetup(where, setup) || SavePlayers(where, players) || SaveRatingStatistics(where, stats, size.players))
    return false;

  const int tournamentMonths[] = {3, 6, 9};
  std::string registry;
  for (int t = 0; t < 3; ++t) {
    const std::string name = "RQTP000" + std::to_string(t + 1) + ".DAT";
    std::string bytes = "\"kontrol\"\r\n\"" + std::to_string(year) + TwoDigits(tournamentMonths[t]) + "14\"\r\n";
    for (int d = 0; d < size.tournamentDuels; ++d) {
      const int a = 1 + static_cast<int>(rng() % static_cast<unsigned>(size.players));
      const int b = 1 + static_cast<int>(rng() % static_cast<unsigned>(size.players));
      bytes += std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(d % 30 + 1) + "," +
               std::to_string(d % 29 + 2) + ",\"" + (rng() % 5 == 0 ? "X" : " ") + "\"\r\n";
    }
    if (WriteFileAtomically(dir / name, bytes)) return false;
    registry += "\"" + name + "\"\r\n";
  }
  if (WriteFileAtomically(dir / RegistryFileName(year), registry)) return false;

  for (int month = 1; month <= 12; ++month) {
    const bool withTournament = month % 3 == 0 && month <= 9;
    const int lines = size.monthLimit - (withTournament ? size.tournamentDuels : 0);
    std::string bytes;
    bytes.reserve(static_cast<size_t>(lines) * 32);
    for (int i = 0; i < lines; ++i) {
      const int day = 1 + static_cast<int>(rng() % 28);
      const int a = 1 + static_cast<int>(rng() % static_cast<unsigned>(size.players));
      int b = 1 + static_cast<int>(rng() % static_cast<unsigned>(size.players));
      if (b == a) b = b % size.players + 1;
      bool qa = false, qb = false;
      const std::string ia = BenchmarkId(rng, a, qa), ib = BenchmarkId(rng, b, qb);
      bytes += "\"" + std::to_string(year) + TwoDigits(month) + TwoDigits(day) + "\",";
      bytes += (qa ? "\"" + ia + "\"" : ia) + "," + (qb ? "\"" + ib + "\"" : ib) + ",";
      bytes += rng() % 5 == 0 ? "\"X\"\r\n" : "\" \"\r\n";
    }
    if (WriteFileAtomically(dir / MonthFileName(year, month), bytes)) return false;
  }
  return true;
}

}  // namespace hrs::bench
