#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "app/shell/mdi_form.h"
#include "app/shell/shell_fixture.h"
#include "app/tournament/tournament_steps.h"
#include "core/data/file_io.h"

namespace hrs::test {
namespace {

QString PdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(20000)) return {};
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// A new user runs 8 players from the selection to the final, saves the file
// for the ranking system and prints the five reports, each to a PDF.
TEST(TournamentPlayoff, EightPlayersToTheFinalFilesAndPrintouts) {
  ShellFixture f;
  f.WriteClub(8);
  ASSERT_TRUE(f.Start());
  f.window->show();
  QWidget* local2 = MatchProgram(f, 8);
  ASSERT_TRUE(local2);
  auto* list = Child<QListWidget>(local2, "List1");
  ASSERT_EQ(list->count(), 12);
  for (int match = 1; match <= 12; ++match) Type(local2, QString::number(match), "2", match % 3 ? "0" : "1");

  Choose(local2, "lt2mnu_po");
  ASSERT_EQ(list->count(), 8);
  EXPECT_TRUE(Child<QCheckBox>(local2, "Check2")->isVisible());
  for (int row = 0; row < 8; ++row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);  // a double click begins with a press
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(list->item(row)->text().startsWith('*')) << row;
  }
  f.dialogs.Clear();
  f.dialogs.InputAnswer("8");
  Choose(local2, "lt2mnu_pair");
  auto* pair = Child<QPushButton>(local2, "Command3");
  ASSERT_TRUE(pair->isVisible());
  EXPECT_TRUE(Child<QCheckBox>(local2, "Check1")->isVisible());
  QTest::mouseClick(pair, Qt::LeftButton);
  EXPECT_FALSE(pair->isVisible());
  EXPECT_EQ(list->item(0)->text(), " --------------------------------");

  Choose(local2, "lt2mnu_rp");
  EXPECT_EQ(list->item(0)->text().left(3), "  1");
  for (const char* m : {"1", "2", "3", "4", "5", "6", "7", "8"}) Type(local2, m, "2", "1");
  EXPECT_TRUE(f.dialogs.Messages().empty());
  EXPECT_EQ(list->item(list->count() - 5)->text().left(9), "  7     2");

  Choose(local2, "lt2mnu_ro");
  const std::string rhrs = "RHRSLT261208";
  EXPECT_EQ(f.dialogs.Messages().back(),
            "Match file for the Ranking System successfully\rsaved as " + rhrs + "\rin your application directory.");
  const auto bytes = ReadWholeFile(f.data.path() / rhrs);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(std::count(bytes->begin(), bytes->end(), '\n'), 2 + 12 + 8);

  struct Printout {
    const char* item;
    const char* file;   // the file each is offered, in the data directory
    const char* words;  // a line of the printout as pdftotext reads it
  };
  const Printout printouts[] = {
      {"lt2mnu_pg", "groups-LT261208.pdf", "Round-Robin knockout groups"},
      {"lt2mnu_pmp", "match-program-LT261208.pdf", "Round Table Player Result Player"},
      {"lt2mnu_ppq", "standings-LT261208.pdf", "Group Points Ratio Ratio Player"},
      {"lt2mnu_pop", "playoff-LT261208.pdf", "Seeding method: By tournament ranking"},
      {"lt2mnu_sr", "sanctioned-reports-LT261208.pdf", "Tournament Report for event CLUB-8"},
  };
  f.dialogs.Answer(Answer::Yes);  // sanctioned after all
  f.dialogs.InputAnswer("CLUB-8");
  f.printer.setOutputFormat(QPrinter::PdfFormat);
  for (const Printout& p : printouts) {
    const QString path = QString::fromStdString((f.data.path() / p.file).lexically_normal().string());
    Choose(local2, p.item);
    EXPECT_EQ(f.dialogs.Messages().back(), "The document was printed to the file\r" + path.toStdString());
    const QString text = PdfText(path);
    EXPECT_TRUE(text.contains("Tournament LT261208")) << p.item;
    bool found = false;
    for (const QString& line : text.split('\n')) found = found || line.simplified() == QString::fromLatin1(p.words);
    EXPECT_TRUE(found) << p.item << "\n" << text.toStdString();
  }
}

}  // namespace
}  // namespace hrs::test
