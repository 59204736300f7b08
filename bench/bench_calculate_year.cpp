// Times Calculate Ratings on the largest year the system allows: 1998 players,
// 12 months of 32,767 results each (month file lines plus the duels of three
// registered tournament files), ids a mix of Sys Ids (quoted, as typed) and
// membership numbers (bare, as imported) with a few unknown players.
//
// Run: build/release/bench/bench_calculate_year [runs] [path to hrs-cli]
//      build/release/bench/bench_calculate_year --generate DIR [typical]
//        (only writes the year into DIR, for a profiler)
// Reports the median of `hrs-cli calculate` as a whole process (load,
// calculate, save), and in-process figures for the quick and the plain month
// reading, whose saved files must be identical.
#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "benchmark_year.h"
#include "cli/console_dialogs.h"
#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"
#include "core/data/transaction_names.h"
#include "core/platform/clock.h"
#include "core/rating/calculate_ratings.h"
#include "core/shell/startup.h"
#include "core/text/align.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The size of the year being generated: the largest, or a typical club.
hrs::bench::YearSize Size;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

void Generate(const fs::path& dir, int year) {
  if (!hrs::bench::WriteBenchmarkYear(dir, year, Size)) {
    std::fprintf(stderr, "cannot write the data files in %s\n", dir.c_str());
    std::exit(1);
  }
}

// One whole run of `hrs-cli --data DIR calculate`; its time in ms.
double RunCli(const std::string& cli, const fs::path& dir) {
  std::vector<std::string> args = {cli, "--data", dir.string(), "calculate"};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto t0 = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, cli.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", cli.c_str());
    std::exit(1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  const auto t1 = Clock::now();
  posix_spawn_file_actions_destroy(&actions);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "hrs-cli calculate failed (status %d)\n", status);
    std::exit(1);
  }
  return Ms(t0, t1);
}

// Load, calculate and save in this process with the given month reading.
double RunInProcess(const fs::path& dir, hrs::MonthReading reading, long long& collected) {
  const auto t0 = Clock::now();
  hrs::SystemClock clock;
  hrs::Database db;
  db.location.dataDir = dir;
  hrs::cli::ConsoleDialogs dialogs(*new std::ostringstream);
  if (hrs::LoadDatabase(db, dialogs, clock) != hrs::StartupStep::Done) std::exit(1);
  const auto out = hrs::CalculateRatings(db, 1, 12, dialogs, clock, {}, reading);
  const auto t1 = Clock::now();
  if (out.stopped || !out.writeErrors.empty()) std::exit(1);
  collected = out.figures.resultsCollected;
  return Ms(t0, t1);
}

}  // namespace

// One year: hrs-cli as a whole process, then in process each way of reading
// the months; false when the saved files differ between them.
bool MeasureYear(const char* title, const std::string& cli, int runs) {
  const fs::path dir = fs::temp_directory_path() / ("hrs-bench-year-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  hrs::SystemClock clock;
  // The year before this one: every month lies in the past, so the defaults
  // of hrs-cli (months 1 to 12) take the whole year.
  const int year = clock.Today().year - 1;
  Generate(dir, year);

  RunCli(cli, dir);  // warm the page cache
  std::vector<double> whole;
  for (int r = 0; r < runs; ++r) whole.push_back(RunCli(cli, dir));
  const std::string quickPlayers = hrs::ReadWholeFile(dir / hrs::PlayerFile).value_or("");
  const std::string quickStats = hrs::ReadWholeFile(dir / hrs::StatFile).value_or("");

  long long collected = 0;
  bool same = true;
  auto sameFiles = [&] {
    same = same && hrs::ReadWholeFile(dir / hrs::PlayerFile).value_or("") == quickPlayers &&
           hrs::ReadWholeFile(dir / hrs::StatFile).value_or("") == quickStats;
  };
  std::vector<double> ahead, inOrder, plain;
  for (int r = 0; r < std::max(3, runs / 3); ++r) {
    ahead.push_back(RunInProcess(dir, hrs::MonthReading::Fast, collected));
    sameFiles();
    inOrder.push_back(RunInProcess(dir, hrs::MonthReading::FastInOrder, collected));
    sameFiles();
    plain.push_back(RunInProcess(dir, hrs::MonthReading::Straightforward, collected));
    sameFiles();
  }

  std::printf("%s: %d players, %lld results\n", title, Size.players, collected);
  std::printf("  hrs-cli calculate, whole process:    median %7.2f ms  (%d runs, min %.2f, max %.2f)\n",
              Median(whole), runs, *std::min_element(whole.begin(), whole.end()),
              *std::max_element(whole.begin(), whole.end()));
  std::printf("  in process, months read ahead:       median %7.2f ms\n", Median(ahead));
  std::printf("  in process, quick reading in order:  median %7.2f ms\n", Median(inOrder));
  std::printf("  in process, plain reading loop:      median %7.2f ms  (codec, item texts, sorted list)\n",
              Median(plain));
  std::printf("  saved files identical every way:     %s\n", same ? "yes" : "NO");
  fs::remove_all(dir);
  return same;
}

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "--generate") {
    if (argc > 3 && std::string(argv[3]) == "typical") Size = {200, 2000, 120};
    fs::create_directories(argv[2]);
    Generate(argv[2], hrs::SystemClock().Today().year - 1);
    return 0;
  }
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  const std::string cli =
      argc > 2 ? argv[2] : (fs::path(argv[0]).parent_path() / ".." / "src" / "cli" / "hrs-cli").string();
  bool same = MeasureYear("Largest year", cli, runs);
  Size = {200, 2000, 120};
  same = MeasureYear("Typical club year", cli, runs) && same;
  return same ? 0 : 1;
}
