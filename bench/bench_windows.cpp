// Opens every window of the menus offscreen on the largest club (1998
// players, a full year of results, calculated) and tells, one line a window,
// the time from the menu item until the window is filled and painted:
// its objectName, the milliseconds (median of the rounds), "ms".
// Run: build/release/bench/bench_windows [rounds]
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/lists/rating_chart_window.h"
#include "app/platform/qt_print_job.h"
#include "app/shell/main_menu.h"
#include "app/shell/mdi_form.h"
#include "benchmark_year.h"
#include "cli/console_dialogs.h"
#include "core/rating/calculate_ratings.h"
#include "core/shell/startup.h"

namespace {

namespace fs = std::filesystem;

// Goes on at every question without changing anything.
class GoOnDialogs : public hrs::Dialogs {
 public:
  hrs::Answer Message(const std::string&, hrs::Buttons buttons, hrs::Icon, const std::string&,
                      hrs::QuestionName) override {
    return buttons == hrs::Buttons::YesNo || buttons == hrs::Buttons::YesNoDefaultNo ? hrs::Answer::No
           : buttons == hrs::Buttons::OkCancel                                       ? hrs::Answer::Cancel
                                                                                     : hrs::Answer::Ok;
  }
  std::optional<std::string> Input(const std::string&, const std::string&, const std::string&,
                                   hrs::QuestionName) override {
    return std::nullopt;
  }
  void Beep() override {}
  std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<hrs::FontChoice> ChooseFixedFont(const hrs::FontChoice&) override { return std::nullopt; }
  bool ChoosePrinter() override { return false; }
};

class DecemberClock : public hrs::Clock {
 public:
  hrs::DateTime Now() const override { return {{2026, 12, 9}, 12, 0, 0}; }
  double SecondsSinceMidnight() const override { return 43200; }
};

using Ms = std::chrono::duration<double, std::milli>;

// The windows of the menus: the forms, the View lists and grids, the manual.
struct Opening {
  QString item;
  int index;
};

std::vector<Opening> MenuWindows() {
  std::vector<Opening> out;
  for (const hrs::app::MenuDef& menu : hrs::app::MainMenuTable())
    for (const hrs::app::MenuItemDef& item : menu.items) {
      const bool view = std::string(menu.name) == "mnuview" && item.kind == hrs::app::ItemKind::Action;
      const bool manual = std::string(item.name) == "rmdb" && item.index == 0;
      if (item.kind == hrs::app::ItemKind::Form || view || manual)
        out.push_back({QString::fromLatin1(item.name), item.index});
    }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

  const fs::path dir = fs::temp_directory_path() / ("hrs-bench-windows-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  DecemberClock clock;
  {
    if (!hrs::bench::WriteBenchmarkYear(dir, 2026, {})) return 1;
    hrs::Database db;
    db.location.dataDir = dir;
    std::ostringstream told;
    hrs::cli::ConsoleDialogs dialogs(told);
    if (hrs::LoadDatabase(db, dialogs, clock) != hrs::StartupStep::Done) return 1;
    const auto out = hrs::CalculateRatings(db, 1, 12, dialogs, clock);
    if (out.stopped || !out.writeErrors.empty()) return 1;
  }

  GoOnDialogs dialogs;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  hrs::app::QtPrintJob job(printer);
  hrs::app::MDIForm1 window(dialogs, clock, job);
  hrs::DataLocation where;
  where.dataDir = dir;
  if (!window.Start({where, QString::fromStdString((dir / "hrs.lock").string()), dir / "hrs_k"})) return 1;
  QApplication::processEvents();

  const auto closeAll = [&] {
    for (QMdiSubWindow* sub : window.mdiArea()->subWindowList())
      if (sub->widget() != window.statusWindow()) sub->close();
    QApplication::processEvents();
  };
  // Opens with `open`, then names the window that came; every window opened is closed again.
  std::map<QString, std::vector<double>> times;
  std::vector<QString> order;
  const auto measure = [&](const std::function<void()>& open) {
    const QList<QMdiSubWindow*> before = window.mdiArea()->subWindowList();
    const auto start = std::chrono::steady_clock::now();
    open();
    QApplication::processEvents();
    const double ms = Ms(std::chrono::steady_clock::now() - start).count();
    QString name;
    for (QMdiSubWindow* sub : window.mdiArea()->subWindowList())
      if (!before.contains(sub) && sub->widget() && name.isEmpty()) name = sub->widget()->objectName();
    if (!name.isEmpty()) {
      if (!times.count(name)) order.push_back(name);
      times[name].push_back(ms);
    }
  };
  for (int r = 0; r < rounds; ++r) {
    for (const Opening& o : MenuWindows()) {
      measure([&] { window.RunMenuItem(o.item, o.index); });
      closeAll();
    }
    // The rating chart, from the grid's rows.
    measure([&] { hrs::app::ShowRatingChart(window.context(), 1); });
    closeAll();
  }
  for (const QString& name : order) {
    std::vector<double>& t = times[name];
    std::sort(t.begin(), t.end());
    std::printf("%s %.1f ms\n", name.toLatin1().constData(), t[t.size() / 2]);
  }
  window.close();
  fs::remove_all(dir);
  return 0;
}
