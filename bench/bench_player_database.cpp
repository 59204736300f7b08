// The player database with a full table (1998 players): both list orders
// built in core, a change saved (the whole file, atomically), a new player
// appended in a re-used Sys Id's place.
// Run: build/release/bench/bench_player_database [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/console_dialogs.h"
#include "core/data/player_file.h"
#include "core/players/player_entry.h"
#include "core/players/player_form.h"
#include "core/players/player_lines.h"

namespace {

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

template <typename F>
double Time(F&& f) {
  const auto t0 = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "hrs-bench-player-database";
  fs::create_directories(dir);

  hrs::Database db;
  db.location.dataDir = dir;
  db.setup = hrs::SetupRecord::Created(2026);
  const char* first[] = {"Anna", "Bo", "Cato", "Dag", "Eva", "Frida", "Geir", "Ingrid", "Jonas", "Maja"};
  const char* last[] = {"Berg", "Lund", "Haugen", "Vik", "Wold", "Solberg", "Tangen", "Moen", "Aasen"};
  hrs::PlayerTable& t = db.players;
  t.PlayerCount = hrs::PlayerCapacity;
  for (int i = 1; i <= hrs::PlayerCapacity; ++i) {
    auto& p = t[i];
    p.SysId = static_cast<int16_t>(i);
    p.Name = hrs::TextField::Of(std::string(first[i % 10]) + " " + last[(i / 10) % 9] + " " + std::to_string(i));
    p.Info = hrs::TextField::Of(i % 3 ? "Tuesday group" : "");
    p.MbShipNo = 20000 + i;
    p.StartRating = static_cast<int16_t>(1400 + i % 800);
    p.Rating = static_cast<int16_t>(p.StartRating + i % 37);
    p.Status = i % 50 == 0 ? hrs::StatusDeleted : i % 97 == 0 ? hrs::StatusVoid : hrs::StatusActive;
  }
  t.ActiveCount = t.CountActive();
  if (hrs::SavePlayers(db.location, t)) return 1;

  hrs::cli::ConsoleDialogs dialogs(std::cerr);  // any message is a failure here
  std::vector<double> bySysId, byName, bytes, change, formChange;
  size_t lines = 0;
  for (int r = 0; r < rounds; ++r) {
    bySysId.push_back(Time([&] { lines += hrs::SysIdOrderLines(t).size(); }));
    byName.push_back(Time([&] { lines += hrs::NameOrderLines(t).size(); }));
    bytes.push_back(Time([&] { lines += hrs::PlayerFileBytes(t).size() > 0; }));
    const int id = 1 + (r * 37) % 1900;
    hrs::PlayerEntry e{hrs::PlayerMode::Change, std::to_string(id), "Changed Name " + std::to_string(r), "Info",
                       std::to_string(20000 + id), std::to_string(t[id].StartRating)};
    if (t[id].Status == hrs::StatusVoid) continue;
    change.push_back(Time([&] {
      if (!hrs::SavePlayerEntry(e, db, dialogs).saved) std::exit(1);
    }));
  }
  // The whole event in the window: the save and its list line in name order.
  hrs::PlayerForm form;
  hrs::PlayerFormLoad(form, db);
  hrs::Option2Click(form, db);
  for (int r = 0; r < rounds; ++r) {
    const int id = 2 + (r * 41) % 1900;
    if (t[id].Status == hrs::StatusVoid) continue;
    hrs::List1DblClick(form, db, static_cast<int>(std::find_if(form.List1.lines.begin(), form.List1.lines.end(),
                                                               [id](const auto& item) { return item.value == id; }) -
                                                  form.List1.lines.begin()));
    form.text2.text = "Renamed " + std::to_string(r);
    formChange.push_back(Time([&] { hrs::Command1Click(form, db, dialogs); }));
  }
  std::printf("1998 players, %d rounds (medians):\n", rounds);
  std::printf("  Sys Id order built      %.3f ms\n", Median(bySysId));
  std::printf("  name order built        %.3f ms\n", Median(byName));
  std::printf("  file bytes built        %.3f ms (of the save below)\n", Median(bytes));
  std::printf("  change saved            %.3f ms (whole file, atomic, with fsync)\n", Median(change));
  std::printf("  change in the window    %.3f ms (save + list line in name order)\n", Median(formChange));
  fs::remove_all(dir);
  return lines > 0 ? 0 : 1;
}
