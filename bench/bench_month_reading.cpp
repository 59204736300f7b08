// The parts of Calculate Ratings one by one, on one thread, over a year
// written by `bench_calculate_year --generate DIR`: parsing the month files,
// sorting the month lists and rating them. The least time of many rounds, so
// that a busy machine disturbs the figures little.
//
// Run: build/release/bench/bench_month_reading DIR [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/setup_file.h"
#include "core/data/transaction_names.h"
#include "core/platform/clock.h"
#include "core/rating/fast_month_list.h"
#include "core/rating/rating_run.h"
#include "core/text/align.h"

namespace {

using Clock = std::chrono::steady_clock;
double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_month_reading DIR [rounds]\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
  hrs::PlayerTable players;
  const auto playerBytes = hrs::ReadWholeFile(dir / hrs::PlayerFile);
  if (!playerBytes || hrs::ParsePlayerFile(*playerBytes, players) != hrs::PlayerParse::Ok) {
    std::fprintf(stderr, "no player file in %s\n", dir.c_str());
    return 1;
  }
  const int year = hrs::SystemClock().Today().year - 1;
  std::vector<std::string> months;
  for (int m = 1; m <= 12; ++m) months.push_back(hrs::ReadWholeFile(dir / hrs::MonthFileName(year, m)).value_or(""));
  const hrs::PlayerIdentifier identify(players);
  hrs::FastMonthList list(identify);
  std::vector<std::vector<hrs::RatedEntry>> entries(12);
  double parse = 1e9, sort = 1e9, rate = 1e9;
  for (int r = 0; r < rounds; ++r) {
    double p = 0, s = 0;
    for (int m = 0; m < 12; ++m) {
      list.Clear();
      const auto t0 = Clock::now();
      if (!list.AddMonthFile(months[static_cast<size_t>(m)], "99991231")) return 1;
      const auto t1 = Clock::now();
      if (!list.Sorted(entries[static_cast<size_t>(m)])) return 1;
      const auto t2 = Clock::now();
      p += Ms(t0, t1);
      s += Ms(t1, t2);
    }
    hrs::RatingRun run(players.PlayerCount, 1500, 400, hrs::RatingGroups{});
    for (int id = 1; id <= players.PlayerCount; ++id) run.Running(id) = players[id].StartRating;
    const auto t0 = Clock::now();
    for (const auto& e : entries) run.RateMonth(e);
    const auto t1 = Clock::now();
    parse = std::min(parse, p);
    sort = std::min(sort, s);
    rate = std::min(rate, Ms(t0, t1));
  }
  size_t results = 0;
  for (const auto& e : entries) results += e.size();
  std::printf("%zu results in 12 months, least of %d rounds on one thread:\n", results, rounds);
  std::printf("  parse the month files   %7.2f ms\n", parse);
  std::printf("  sort the month lists    %7.2f ms\n", sort);
  std::printf("  rate the months         %7.2f ms\n", rate);
  return 0;
}
