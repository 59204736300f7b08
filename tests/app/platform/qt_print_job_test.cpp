#include "app/platform/qt_print_job.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include "core/lists/master_lists.h"
#include "core/lists/rating_history.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <QProcess>

namespace hrs::app {
namespace {

int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = file.readAll();
  return static_cast<int>(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

TEST(QtPrintJob, LinesGoOnPagesAndAFullPageGoesOnToTheNext) {
  test::TempDir dir;
  const QString path = QString::fromStdString((dir.path() / "out.pdf").string());
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  QtPrintJob job(printer);
  job.SetOrientation(Orientation::Portrait);
  job.SetFont("Courier", 10);
  EXPECT_EQ(job.PageNumber(), 1);
  job.PrintLine("Ranking List");
  job.NewPage();
  EXPECT_EQ(job.PageNumber(), 2);
  // Far more lines than a page holds.
  for (int i = 0; i < 200; ++i) job.PrintLine("line " + std::to_string(i));
  EXPECT_GT(job.PageNumber(), 3);
  const int pages = job.PageNumber();
  EXPECT_TRUE(job.EndDoc());
  EXPECT_EQ(job.PageNumber(), 1);
  EXPECT_EQ(PdfPages(path), pages);
}

TEST(QtPrintJob, AFileThatCannotBeWrittenIsReportedAtTheEnd) {
  test::TempDir dir;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  // A folder where the file should go.
  std::filesystem::create_directory(dir.path() / "out.pdf");
  printer.setOutputFileName(QString::fromStdString((dir.path() / "out.pdf").string()));
  QtPrintJob job(printer);
  job.PrintLine("Ranking List");
  EXPECT_FALSE(job.EndDoc());
}

// A master list as the operator gets it on paper: printed through the Qt
// printer into a PDF and read back as text.
TEST(QtPrintJob, AMasterListPrintedToAPdfReadsBackPageByPage) {
  test::TempDir dir;
  // The file the report offers in the data directory, not the one chosen before.
  const QString path = QString::fromStdString((dir.path() / "master-by-name-2026-12-08.pdf").string());
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((dir.path() / "chart.pdf").string()));
  QtPrintJob job(printer);
  Database db;
  db.location = dir.Location();
  for (int id = 1; id <= 52; ++id) {
    PlayerRecord& p = db.players[id];
    p.Name = TextField::Of("Player " + std::to_string(100 + id));
    p.Info = TextField::Of("");
    p.MbShipNo = 20000 + id;
    p.Rating = static_cast<int16_t>(1400 + id);
  }
  db.players.PlayerCount = 52;
  test::ScriptedDialogs dialogs;
  test::FixedClock clock;
  ASSERT_TRUE(PrintMasterList(MasterOrder::ByName, db, dialogs, job, clock));
  EXPECT_EQ(dialogs.Messages().back(), "The document was printed to the file\r" + path.toStdString());
  EXPECT_EQ(job.DocumentFile(), path.toStdString());

  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished(20000));
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
  ASSERT_EQ(pages.size(), 2) << text.toStdString();
  EXPECT_EQ(PdfPages(path), 2);
  QStringList first = pages[0].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_GE(first.size(), 3);
  // pdftotext guesses the blanks between words; the words are what was printed.
  EXPECT_EQ(first[0].simplified().toStdString(), "Halvik Ranking System 1.24 Master List by Name 2026-12-08 Page 1");
  EXPECT_EQ(first[1].simplified().toStdString(), "Name Id Rating MbShip-No Info");
  EXPECT_EQ(first[2].simplified().toStdString(), "Player 101 1 1401 20001");
  EXPECT_EQ(first.size(), 2 + 51);
  EXPECT_TRUE(pages[1].contains(QStringLiteral("Page 2")));
  EXPECT_TRUE(pages[1].contains(QStringLiteral("Player 152")));
}

TEST(QtPrintJob, ALandscapeHistoryPageHoldsItsHeaderAndThirtyEightPlayers) {
  test::TempDir dir;
  const QString path = QString::fromStdString((dir.path() / "history-by-sys-id-2026-12-08.pdf").string());
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  QtPrintJob job(printer);
  job.SetOrientation(Orientation::Landscape);
  Database db;
  db.location = dir.Location();
  db.setup = SetupRecord::Created(2026);
  for (int id = 1; id <= 76; ++id) {
    db.players[id].Name = TextField::Of("Player " + std::to_string(id));
    db.players[id].StartRating = 1500;
  }
  db.players.PlayerCount = 76;
  test::ScriptedDialogs dialogs;
  test::FixedClock clock;  // December: landscape suits, no page set-up
  ASSERT_TRUE(PrintHistory(HistoryOrder::BySysId, db, dialogs, job, clock));
  EXPECT_EQ(job.CurrentOrientation(), Orientation::Landscape);
  // Two pages: no line was pushed on to a sheet of its own.
  EXPECT_EQ(PdfPages(path), 2);
}

}  // namespace
}  // namespace hrs::app
