// The Utilities with a full club: Rating Adjustments of one player over the
// largest year (12 month files of 32,767 lines and 20 registered tournament
// files of 300 duels) and the New Year conversion of 1998 players with its
// files written (backup copy included).
// Run: build/release/bench/bench_utilities [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/data/database.h"
#include "must_write.h"
#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"
#include "core/data/transaction_names.h"
#include "core/platform/clock.h"
#include "core/utilities/new_year.h"
#include "core/utilities/rating_adjustments.h"

namespace {

namespace fs = std::filesystem;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

class JanuaryClock : public hrs::Clock {
 public:
  hrs::DateTime Now() const override { return {{2027, 1, 4}, 9, 0, 0}; }
  double SecondsSinceMidnight() const override { return 32400; }
};

class YesDialogs : public hrs::Dialogs {
 public:
  hrs::Answer Message(const std::string&, hrs::Buttons b, hrs::Icon, const std::string&, hrs::QuestionName) override {
    return b == hrs::Buttons::YesNo ? hrs::Answer::Yes : hrs::Answer::Ok;
  }
  std::optional<std::string> Input(const std::string&, const std::string&, const std::string&,
                                   hrs::QuestionName) override {
    return {};
  }
  void Beep() override {}
  std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::optional<hrs::FontChoice> ChooseFixedFont(const hrs::FontChoice&) override { return {}; }
  bool ChoosePrinter() override { return false; }
};

template <typename F>
double Millis(F&& f) {
  const auto t0 = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  const fs::path dir = fs::temp_directory_path() / ("hrs-bench-utilities-" + std::to_string(::getpid()));
  fs::create_directories(dir);

  hrs::Database db;
  db.location.dataDir = dir;
  db.setup = hrs::SetupRecord::Created(2026);
  db.players.PlayerCount = hrs::PlayerCapacity;
  for (int id = 1; id <= hrs::PlayerCapacity; ++id) {
    hrs::PlayerRecord& p = db.players[id];
    p.SysId = static_cast<int16_t>(id);
    p.Name = hrs::TextField::Of("Player number " + std::to_string(id));
    p.Info = hrs::TextField::Of("");
    p.MbShipNo = 100000 + id;
    p.StartRating = static_cast<int16_t>(1200 + id % 900);
    p.Rating = static_cast<int16_t>(p.StartRating + id % 37);
    p.Status = static_cast<int16_t>(id % 50 == 0 ? hrs::StatusDeleted : hrs::StatusActive);
    p.Won = static_cast<int16_t>(id % 13);
    p.Lost = static_cast<int16_t>(id % 7);
    p.CarriedCounts = hrs::TextField::Of(id % 2 ? "00120030017" : "");
    for (int c = 1; c <= 13; ++c) db.stats.At(id, c) = p.Rating;
  }
  db.players.ActiveCount = db.players.CountActive();

  // The largest year; every id by Sys Id, a tenth by membership number.
  unsigned seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 8) % hrs::PlayerCapacity + 1; };
  for (int m = 1; m <= 12; ++m) {
    std::string bytes;
    bytes.reserve(32767 * 34);
    for (int i = 0; i < 32767; ++i) {
      const unsigned a = next(), b = next();
      char line[80];
      std::snprintf(line, sizeof line, "\"2026%02d%02d\",\"%u\",\"%u\",\"%s\"\r\n", m, 1 + i % 28,
                    i % 10 == 0 ? 100000 + a : a, b, i % 5 == 0 ? "X" : " ");
      bytes += line;
    }
    hrs::bench::MustWrite(hrs::WriteFileAtomically(dir / hrs::MonthFileName(2026, m), bytes));
  }
  std::string registry;
  for (int t = 1; t <= 20; ++t) {
    char name[32];
    std::snprintf(name, sizeof name, "RQTP%04d.DAT", t);
    registry += "\"" + std::string(name) + "\"\r\n";
    std::string bytes = "\"kontrol\"\r\n\"20260" + std::to_string(1 + t % 9) + "15\"\r\n";
    for (int d = 0; d < 300; ++d) bytes += std::to_string(next()) + "," + std::to_string(next()) + ",1,2,\" \"\r\n";
    hrs::bench::MustWrite(hrs::WriteFileAtomically(dir / name, bytes));
  }
  hrs::bench::MustWrite(hrs::WriteFileAtomically(dir / hrs::RegistryFileName(2026), registry));

  std::vector<double> collect;
  size_t found = 0;
  for (int r = 0; r < rounds; ++r)
    collect.push_back(Millis([&] { found = hrs::CollectAdjustments(db, 1 + r * 97 % 1998).size(); }));

  std::vector<double> convert;
  JanuaryClock clock;
  YesDialogs dialogs;
  const hrs::Database year2026 = db;
  for (int r = 0; r < rounds; ++r) {
    db = year2026;
    hrs::bench::MustWrite(hrs::SaveSetup(db.location, db.setup));
    hrs::bench::MustWrite(hrs::SavePlayers(db.location, db.players));
    hrs::bench::MustWrite(hrs::SaveRatingStatistics(db.location, db.stats, db.players.PlayerCount));
    fs::remove_all(dir / "backup");
    hrs::NewYear out = hrs::NewYear::Failed;
    convert.push_back(Millis([&] { out = hrs::RunNewYearConversion(db, dialogs, clock); }));
    if (out != hrs::NewYear::Done) {
      std::fprintf(stderr, "the conversion did not complete\n");
      return 1;
    }
  }
  std::printf("Rating Adjustments of one player, 12 x 32,767 month lines + 20 x 300 tournament duels: "
              "median %.2f ms (%zu lines listed in the last round)\n",
              Median(collect), found);
  std::printf("New Year conversion of 1998 players, files and backup written: median %.2f ms\n", Median(convert));
  fs::remove_all(dir);
  return 0;
}
