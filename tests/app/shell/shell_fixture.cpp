#include "shell_fixture.h"

#include <QDir>
#include <QTest>

#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"

namespace hrs::test {

ShellFixture::ShellFixture() {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((programDir.path() / "print.pdf").string()));
}

ShellFixture::~ShellFixture() {
  if (window) window->close();
}

void ShellFixture::WriteClub(int players, int year) {
  SetupRecord setup = SetupRecord::Created(year);
  data.Write(SetupFile, SetupFileBytes(setup));
  PlayerTable table;
  RatingStats stats;
  for (int id = 1; id <= players; ++id) {
    PlayerRecord& p = table[id];
    p.SysId = static_cast<int16_t>(id);
    p.Name = TextField::Of("Player" + std::to_string(id));
    p.Info = TextField::Of("");
    p.MbShipNo = 10000 + id;
    p.StartRating = p.Rating = 1600;
    stats.At(id, 1) = 1600;
  }
  table.PlayerCount = players;
  data.Write(PlayerFile, PlayerFileBytes(table));
  data.Write(StatFile, RatingStatsBytes(stats, players));
}

app::StartupPaths ShellFixture::Paths() const {
  return {data.Location(), QString::fromStdString((programDir.path() / "hrs.lock").string()), ArrangementPath()};
}

app::MDIForm1& ShellFixture::NewWindow() {
  if (window) window->close();
  window = std::make_unique<app::MDIForm1>(dialogs, clock, printJob);
  window->context().pictures = &printJob;
  return *window;
}

bool ShellFixture::Start() { return NewWindow().Start(Paths()); }

bool ShellFixture::StartShown() {
  if (!Start()) return false;
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window.get());
}

}  // namespace hrs::test
