// Loads and saves a full player table (1998 players) and its statistics.
// Run: build/dev/bench/bench_load_save_players [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "cli/console_dialogs.h"

namespace {

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "hrs-bench-players";
  fs::create_directories(dir);
  hrs::DataLocation where;
  where.dataDir = dir;

  hrs::PlayerTable table;
  hrs::RatingStats stats;
  table.PlayerCount = hrs::PlayerCapacity;
  for (int i = 1; i <= hrs::PlayerCapacity; ++i) {
    auto& p = table[i];
    p.SysId = static_cast<int16_t>(i);
    p.Name = hrs::TextField::Of("Player Number " + std::to_string(i));
    p.Info = hrs::TextField::Of(i % 3 ? "Tuesday group" : "");
    p.MbShipNo = 20000 + i;
    p.StartRating = static_cast<int16_t>(1400 + i % 800);
    p.Rating = static_cast<int16_t>(p.StartRating + i % 37);
    p.Won = static_cast<int16_t>(i % 20);
    for (int c = 1; c <= 13; ++c) stats.At(i, c) = static_cast<int16_t>(1500 + (i * c) % 600);
  }
  if (hrs::SavePlayers(where, table) || hrs::SaveRatingStatistics(where, stats, table.PlayerCount)) return 1;

  hrs::cli::ConsoleDialogs dialogs(std::cerr);  // any question is a failure here
  std::vector<double> load, save;
  for (int r = 0; r < rounds; ++r) {
    auto t0 = std::chrono::steady_clock::now();
    hrs::PlayerTable t;
    hrs::RatingStats s;
    if (!hrs::LoadPlayers(where, t, dialogs) ||
        !hrs::LoadRatingStatistics(where, s, t.PlayerCount, 1600, dialogs) || t.PlayerCount != 1998)
      return 1;
    auto t1 = std::chrono::steady_clock::now();
    if (hrs::SavePlayers(where, t) || hrs::SaveRatingStatistics(where, s, t.PlayerCount)) return 1;
    auto t2 = std::chrono::steady_clock::now();
    load.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    save.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
  }
  std::printf("1998 players + statistics, %d rounds: load median %.2f ms, save median %.2f ms (with fsync)\n",
              rounds, Median(load), Median(save));
  fs::remove_all(dir);
  return 0;
}
