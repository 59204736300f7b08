// Every screen list and printout of the lists with 1998 players, the rating
// history grid filled in its window (offscreen), and a 40-page master list
// written as a PDF through the Qt printer.
// Run: build/release/bench/bench_lists [rounds] [PDF_PATH]
#include <QApplication>
#include <QPrinter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "must_write.h"
#include "app/lists/history_window.h"
#include "app/platform/qt_print_job.h"
#include "core/data/prev_ranking_file.h"
#include "core/lists/master_lists.h"
#include "core/lists/ranking_list.h"
#include "core/lists/rating_history.h"
#include "core/platform/recorded_print_job.h"

namespace {

// Goes on at every question; keeps the snapshot as it is.
class GoOnDialogs : public hrs::Dialogs {
 public:
  hrs::Answer Message(const std::string& text, hrs::Buttons buttons, hrs::Icon, const std::string&,
                      hrs::QuestionName) override {
    if (buttons == hrs::Buttons::YesNo) return text == hrs::LayoutQuestion ? hrs::Answer::Yes : hrs::Answer::No;
    return hrs::Answer::Ok;
  }
  std::optional<std::string> Input(const std::string&, const std::string&, const std::string&,
                                   hrs::QuestionName) override {
    return "11";
  }
  void Beep() override {}
  std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<hrs::FontChoice> ChooseFixedFont(const hrs::FontChoice& f) override { return f; }
  bool ChoosePrinter() override { return true; }
};

class NoonClock : public hrs::Clock {
 public:
  hrs::DateTime Now() const override { return {{2026, 12, 8}, 12, 0, 0}; }
  double SecondsSinceMidnight() const override { return 43200; }
};

double Millis(const std::function<void()>& run, int rounds) {
  std::vector<double> times;
  for (int r = 0; r < rounds; ++r) {
    const auto start = std::chrono::steady_clock::now();
    run();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "hrs-bench-lists";
  fs::create_directories(dir);
  const std::string pdf = argc > 2 ? argv[2] : (dir / "master.pdf").string();

  hrs::Database db;
  db.location.dataDir = dir;
  db.setup = hrs::SetupRecord::Created(2026);
  db.setup.ListName = hrs::TextField::Of("Halvik Games Club Ranking");
  db.setup.MinAdjustments = 0;
  db.StartupOk = 1;
  db.players.PlayerCount = hrs::PlayerCapacity;
  std::vector<int> previous;
  for (int i = 1; i <= hrs::PlayerCapacity; ++i) {
    auto& p = db.players[i];
    p.SysId = static_cast<int16_t>(i);
    p.Name = hrs::TextField::Of("Player Number " + std::to_string((i * 7919) % 10007));
    p.Info = hrs::TextField::Of(i % 3 ? "Tuesday" : "");
    p.MbShipNo = 20000 + (i * 31) % 9000;
    p.StartRating = static_cast<int16_t>(1200 + (i * 37) % 900);
    p.Rating = static_cast<int16_t>(p.StartRating + (i % 41) - 20);
    p.PrevRating = p.StartRating;
    p.Won = static_cast<int16_t>(i % 13);
    p.Drawn = static_cast<int16_t>(i % 5);
    p.Lost = static_cast<int16_t>(i % 11);
    for (int m = 1; m <= 12; ++m) db.stats.At(i, m + 1) = static_cast<int16_t>(p.StartRating + m);
    previous.push_back(hrs::PlayerCapacity + 1 - i);
  }
  db.players.ActiveCount = db.players.CountActive();
  hrs::bench::MustWrite(hrs::WritePrevRanking(db.location, {{{2026, 11, 1}, 9, 0, 0}, previous}));

  GoOnDialogs dialogs;
  NoonClock clock;
  hrs::RecordedPrintJob job;
  const auto previousRanking = hrs::ReadPrevRanking(db.location, db.players.PlayerCount);
  struct Case {
    const char* name;
    std::function<void()> run;
  };
  const std::vector<Case> cases = {
      {"screen: ranking list with movements", [&] { hrs::RankingListView(db, previousRanking); }},
      {"screen: master list by Sys Id", [&] { hrs::MasterListView(hrs::MasterOrder::BySysId, db); }},
      {"screen: master list by MbShip", [&] { hrs::MasterListView(hrs::MasterOrder::ByMbShip, db); }},
      {"screen: master list by name", [&] { hrs::MasterListView(hrs::MasterOrder::ByName, db); }},
      {"screen: rating history grid by name", [&] { hrs::RatingHistoryGrid(hrs::HistoryOrder::ByName, db, clock); }},
      {"print: ranking dynamic (reads orank.hrs)", [&] { hrs::PrintRankingDynamic(db, dialogs, job, clock); }},
      {"print: ranking by month", [&] { hrs::PrintRankingByMonth(db, dialogs, job, clock); }},
      {"print: master list by Sys Id", [&] { hrs::PrintMasterList(hrs::MasterOrder::BySysId, db, dialogs, job, clock); }},
      {"print: master list by MbShip", [&] { hrs::PrintMasterList(hrs::MasterOrder::ByMbShip, db, dialogs, job, clock); }},
      {"print: master list by name", [&] { hrs::PrintMasterList(hrs::MasterOrder::ByName, db, dialogs, job, clock); }},
      {"print: rating history by name", [&] { hrs::PrintHistory(hrs::HistoryOrder::ByName, db, dialogs, job, clock); }},
  };
  std::printf("1998 players, median of %d rounds\n", rounds);
  for (const auto& c : cases) std::printf("  %-44s %8.2f ms\n", c.name, Millis(c.run, rounds));

  const double grid = Millis(
      [&] {
        hrs::app::HistoryWindow window;
        window.show();
        window.Fill(hrs::RatingHistoryGrid(hrs::HistoryOrder::ByName, db, clock));
      },
      std::max(1, rounds / 4));
  std::printf("  %-44s %8.2f ms\n", "window: rating history grid filled", grid);

  int pages = 0;
  const double written = Millis(
      [&] {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        hrs::app::QtPrintJob pdfJob(printer);
        hrs::PrintMasterList(hrs::MasterOrder::ByName, db, dialogs, pdfJob, clock);
      },
      std::max(1, rounds / 4));
  hrs::PrintMasterList(hrs::MasterOrder::ByName, db, dialogs, job, clock);
  pages = static_cast<int>(job.Pages().size());
  std::printf("  %-44s %8.2f ms (%d pages, %s)\n", "PDF: master list by name", written, pages, pdf.c_str());
  return 0;
}
