// Times the validation of imported results with the largest club: 1998
// players (membership numbers 10000001 up, in Sys Id order), and
//  - a user file of 32,000 records, every player by membership number,
//    read and validated with its review lines (Add User File);
//  - a companion result file of 16,350 duels, every id a membership number
//    (a tenth of them unknown), through both passes of Add Tournament
//    (finding unknown players, then converting and writing in memory);
//  - the 32,000 review lines filed in the month files of an empty folder
//    (Save File), flushes included.
// Every id above PlayerCount is a membership-number look-up.
//
// Run: build/release/bench/bench_import [runs]   (median of the runs)
#include <time.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/control/tournament_validation.h"
#include "core/control/user_file_import.h"
#include "core/data/database.h"
#include "core/data/setup_record.h"

namespace {

using Clock = std::chrono::steady_clock;

hrs::Database Club() {
  hrs::Database db;
  db.setup = hrs::SetupRecord::Created(2026);
  for (int id = 1; id <= hrs::PlayerCapacity; ++id) {
    hrs::PlayerRecord& p = db.players[id];
    p.SysId = static_cast<int16_t>(id);
    p.Name = hrs::TextField::Of("Player " + std::to_string(id));
    p.MbShipNo = 10000000 + id;
    p.StartRating = p.Rating = 1500;
  }
  db.players.PlayerCount = hrs::PlayerCapacity;
  db.players.ActiveCount = hrs::PlayerCapacity;
  return db;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double CpuMs() {
  timespec t{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Median wall time and median CPU time of the thread (the figure that holds
// when other programs share the processor).
struct Timing {
  double wall, cpu;
};

template <typename F>
Timing TimeMs(int runs, F&& f) {
  std::vector<double> wall, cpu;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    const double cpuStart = CpuMs();
    f();
    cpu.push_back(CpuMs() - cpuStart);
    wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return {Median(wall), Median(cpu)};
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
  const hrs::Database db = Club();
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> player(1, hrs::PlayerCapacity);

  std::string userFile;
  for (int i = 0; i < 32000; ++i) {
    const int a = player(rng);
    int b = player(rng);
    if (b == a) b = a % hrs::PlayerCapacity + 1;
    userFile += "202606" + std::string(i % 28 < 9 ? "0" : "") + std::to_string(i % 28 + 1) + "," +
                std::to_string(10000000 + a) + "," + std::to_string(10000000 + b) + "," + std::to_string(i % 3) +
                "\r\n";
  }
  size_t errors = 0, lines = 0;
  const Timing userMs = TimeMs(runs, [&] {
    const hrs::UserRecordChecker checker(db, "20261208");
    errors = lines = 0;
    for (const auto& record : hrs::ReadUserRecords(userFile)) {
      const std::string line = checker.ReviewLine(record);
      errors += hrs::IsErrorLine(line);
      ++lines;
    }
  });

  std::string companion = "\"20261003\"\r\n";
  for (int i = 0; i < 16350; ++i) {
    const int a = player(rng);
    int b = player(rng);
    if (b == a) b = a % hrs::PlayerCapacity + 1;
    const long long ida = i % 10 == 0 ? 20000000 + i : 10000000 + a;
    companion += std::to_string(ida) + "," + std::to_string(10000000 + b) + "," + std::to_string(i % 200 + 1) + "," +
                 std::to_string((i + 7) % 200 + 1) + ",\"" + (i % 5 == 0 ? "X" : " ") + "\"\r\n";
  }
  const std::vector<hrs::CompanionParticipant> participants(200);
  size_t unknown = 0, written = 0;
  int bypassed = 0;
  const Timing companionMs = TimeMs(runs, [&] {
    unknown = hrs::FindUnknownPlayers(companion, db.players, &participants).size();
    const auto v = hrs::ValidateTournament(companion, db.players);
    written = v.bytes.size();
    bypassed = v.bypassed;
  });

  std::vector<std::string> reviewed;
  {
    const hrs::UserRecordChecker checker(db, "20261208");
    for (const auto& record : hrs::ReadUserRecords(userFile)) reviewed.push_back(checker.ReviewLine(record));
  }
  hrs::Database filing = db;
  const auto folder = std::filesystem::temp_directory_path() / ("bench-import-" + std::to_string(::getpid()));
  filing.location.dataDir = folder;
  std::vector<double> fileWall, fileCpu;
  for (int i = 0; i < runs; ++i) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const Timing t = TimeMs(1, [&] { (void)hrs::WriteUserLines(filing, reviewed); });
    fileWall.push_back(t.wall);
    fileCpu.push_back(t.cpu);
  }
  std::filesystem::remove_all(folder);

  std::printf("user file: %zu records (%zu errors), read and validated with review lines: %.2f ms (CPU %.2f ms), "
              "median of %d\n",
              lines, errors, userMs.wall, userMs.cpu, runs);
  std::printf("companion file: 16350 duels (%zu unknown ids, %d bypassed, %zu bytes written), both passes: %.2f ms "
              "(CPU %.2f ms)\n",
              unknown, bypassed, written, companionMs.wall, companionMs.cpu);
  std::printf("user file: %zu review lines filed in the month files: %.2f ms (CPU %.2f ms)\n", reviewed.size(),
              Median(fileWall), Median(fileCpu));
  return 0;
}
