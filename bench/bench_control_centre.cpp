// The Control Centre with a full club: the four player views (1998 players),
// the result overview of a month of 32,700 lines, and Count Duels in Base over
// the largest year (12 month files of 32,767 lines).
// Run: build/release/bench/bench_control_centre [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/control/control_centre_form.h"
#include "core/control/duel_count.h"
#include "core/control/result_overview.h"
#include "core/data/file_io.h"
#include "core/data/registry_file.h"
#include "core/data/transaction_names.h"
#include "core/platform/clock.h"

namespace {

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

class DecemberClock : public hrs::Clock {
 public:
  hrs::DateTime Now() const override { return {{2026, 12, 31}, 12, 0, 0}; }
  double SecondsSinceMidnight() const override { return 43200; }
};

class SilentDialogs : public hrs::Dialogs {
 public:
  hrs::Answer Message(const std::string&, hrs::Buttons, hrs::Icon, const std::string&, hrs::QuestionName) override {
    ++messages;
    return hrs::Answer::Ok;
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
  int messages = 0;
};

// A month file of `lines` keyboard-entry lines spread over the days.
std::string MonthBytes(int month, int lines) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(lines) * 30);
  for (int i = 0; i < lines; ++i) {
    char line[64];
    std::snprintf(line, sizeof line, "\"2026%02d%02d\",\"%d\",\"%d\",\"%s\"\r\n", month, 1 + i % 28,
                  1 + i % 1998, 1 + (i * 7 + 3) % 1998, i % 9 ? " " : "X");
    bytes += line;
  }
  return bytes;
}

double TimeMs(int rounds, const std::function<void()>& run) {
  std::vector<double> t;
  for (int r = 0; r < rounds; ++r) {
    auto t0 = std::chrono::steady_clock::now();
    run();
    t.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  return Median(t);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "hrs-bench-control";
  fs::remove_all(dir);
  fs::create_directories(dir);

  hrs::Database db;
  db.location.dataDir = dir;
  db.setup = hrs::SetupRecord::Created(2026);
  db.players.PlayerCount = hrs::PlayerCapacity;
  for (int i = 1; i <= hrs::PlayerCapacity; ++i) {
    auto& p = db.players[i];
    p.SysId = static_cast<int16_t>(i);
    p.Name = hrs::TextField::Of("Player " + std::to_string((i * 7919) % 100003) + " Surname");
    p.MbShipNo = 20000 + (i * 37) % 50000;
    p.Rating = static_cast<int16_t>(1400 + (i * 13) % 800);
  }
  db.players.ActiveCount = db.players.CountActive();

  SilentDialogs dialogs;
  DecemberClock clock;
  hrs::ControlCentreForm form;
  using View = void (*)(hrs::ControlCentreForm&, const hrs::Database&, hrs::Dialogs&);
  const std::pair<const char*, View> views[] = {{"Sys Id", hrs::Command5Click},
                                                {"membership number", hrs::Command6Click},
                                                {"name", hrs::Command7Click},
                                                {"ranking", hrs::Command8Click}};
  for (const auto& [name, view] : views) {
    const double ms = TimeMs(rounds, [&] { view(form, db, dialogs); });
    std::printf("player view by %-18s %4zu lines  %7.3f ms\n", name, form.List1.lines.size(), ms);
  }

  // June holds 32,700 lines in all: a registered tournament of 700 duels and 32,000 typed.
  std::string tournament = "\"kontrol\"\r\n\"20260614\"\r\n";
  for (int i = 0; i < 700; ++i)
    tournament += std::to_string(1 + i % 1998) + "," + std::to_string(1 + (i + 5) % 1998) + ",1,2,\" \"\r\n";
  if (hrs::WriteFileAtomically(dir / "RQTP0001.DAT", tournament) ||
      hrs::RegisterTournamentFile(db.location, 2026, "RQTP0001.DAT") ||
      hrs::WriteFileAtomically(dir / hrs::MonthFileName(2026, 6), MonthBytes(6, 32000)))
    return 1;
  size_t lines = 0;
  const double overview = TimeMs(rounds, [&] { lines = hrs::RunResultOverview(db, 2026, 6, dialogs).lines.size(); });
  std::printf("result overview of June     %6zu lines  %7.3f ms\n", lines, overview);

  // The largest year: 32,767 lines in every month file.
  for (int m = 1; m <= 12; ++m)
    if (hrs::WriteFileAtomically(dir / hrs::MonthFileName(2026, m), MonthBytes(m, 32767))) return 1;
  long long total = 0;
  const double count = TimeMs(rounds, [&] { total = hrs::CountDuelsInBase(db, clock); });
  std::printf("count duels in base       %8lld duels  %7.3f ms\n", total, count);
  fs::remove_all(dir);
  return dialogs.messages == 0 && lines == 32700 ? 0 : 1;
}
