// The pre-registration window with a full table (1998 players): opening
// (the grid in name order), every player added at once, an Alpha Search
// keystroke, the workfile saved, read and loaded on opening, and the export
// of all of them.
// Run: build/release/bench/bench_swiss_bridge [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/console_dialogs.h"
#include "must_write.h"
#include "core/data/file_io.h"
#include "core/platform/question_names.h"
#include "core/swiss/export_tournament.h"
#include "core/swiss/turn_form.h"
#include "core/swiss/workfile.h"

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
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "hrs-bench-swiss";
  fs::create_directories(dir);

  hrs::Database db;
  db.location.dataDir = dir;
  db.location.qtpDir = dir;
  db.setup = hrs::SetupRecord::Created(2026);
  const char* first[] = {"Anna", "Bo", "Cato", "Dag", "Eva", "Frida", "Geir", "Ingrid", "Jonas", "Maja"};
  const char* last[] = {"Berg", "Lund", "Haugen", "Vik", "Wold", "Solberg", "Tangen", "Moen", "Aasen"};
  hrs::PlayerTable& t = db.players;
  t.PlayerCount = hrs::PlayerCapacity;
  for (int i = 1; i <= hrs::PlayerCapacity; ++i) {
    auto& p = t[i];
    p.SysId = static_cast<int16_t>(i);
    p.Name = hrs::TextField::Of(std::string(first[i % 10]) + " " + last[(i / 10) % 9] + " " + std::to_string(i));
    p.MbShipNo = 20000 + i;
    p.Rating = static_cast<int16_t>(1400 + i % 800);
  }
  hrs::bench::MustWrite(hrs::WriteFileAtomically(dir / "BENCrund.dat", "0,3,2000,\"\",1\r\n"));
  hrs::bench::MustWrite(hrs::WriteFileAtomically(
      dir / "BENCfast.dat", "\"Bench\",\"Club\"\r\n0,0,1,2\r\n#2026-12-12 00:00:00#\r\n0,0,2000,0,0,1,0,0\r\n"));
  const std::string workfile = (dir / "bench.wrk").string();

  std::vector<double> open, add, search, save, load, reload, exported;
  size_t written = 0;
  for (int r = 0; r < rounds; ++r) {
    std::ostringstream quiet;
    hrs::cli::ConsoleDialogs dialogs(
        quiet, {{hrs::question::TournamentKind, true}, {hrs::question::PreregistrationOverwrite, true}});
    hrs::TurnForm form;
    db.setup.PreRegFile = hrs::TextField::Unset();
    open.push_back(Time([&] { hrs::TurnFormLoad(form, db, dialogs); }));
    std::vector<int> all(form.Grid1.rows.size());
    for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
    add.push_back(Time([&] {
      hrs::Grid1SelectionChange(form, all);
      hrs::Command1Click(form, db);
    }));
    hrs::Check1Click(form, true);
    search.push_back(Time([&] { hrs::Text3Change(form, "ma"); }));
    save.push_back(Time([&] {
      hrs::bench::MustWrite(hrs::WriteFileAtomically(workfile, hrs::WorkfileBytes(form.List1.lines, form.List2.lines)));
    }));
    load.push_back(Time([&] { written = hrs::ReadWorkfile(workfile, t.PlayerCount).content->players.size(); }));
    hrs::TurnForm reopened;
    db.setup.PreRegFile = hrs::TextField::Of(workfile);
    reload.push_back(Time([&] { hrs::TurnFormLoad(reopened, db, dialogs); }));
    auto lines = form.List1.lines;
    exported.push_back(Time([&] { hrs::ExportToTournament(lines, db, dialogs, {"BENC", 1}); }));
  }
  std::printf("1998 players, %zu in the list, median of %d rounds:\n", written, rounds);
  std::printf("  open (grid in name order)   %8.2f ms\n", Median(open));
  std::printf("  add every player at once    %8.2f ms\n", Median(add));
  std::printf("  Alpha Search keystroke      %8.2f ms\n", Median(search));
  std::printf("  save the workfile           %8.2f ms\n", Median(save));
  std::printf("  read the workfile           %8.2f ms\n", Median(load));
  std::printf("  open with that workfile     %8.2f ms\n", Median(reload));
  std::printf("  export (delt.pre written)   %8.2f ms\n", Median(exported));
  fs::remove_all(dir);
  return 0;
}
