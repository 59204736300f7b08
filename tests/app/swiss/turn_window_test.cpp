#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "app/shell/mdi_form.h"
#include "app/shell/shell_fixture.h"

namespace hrs::test {
namespace {

// The organiser opens the window, picks three players from the grid, and
// exports them to a tournament of the companion program.
TEST(TurnWindow, ThreePlayersFromTheGridToTheTournament) {
  ShellFixture f;
  f.WriteClub(5);
  std::filesystem::create_directories(f.data.path() / "qtpwin");
  f.data.Write("qtpwin/WINTrund.dat", Fixture("swiss/open_rund.dat"));
  f.data.Write("qtpwin/WINTfast.dat", Fixture("swiss/open_fast.dat"));
  ASSERT_TRUE(f.Start());
  f.window->show();
  f.dialogs.Clear();
  ASSERT_TRUE(f.window->MenuItem("mnutour")->isEnabled());
  f.window->RunMenuItem("mnutour");
  QWidget* turn = f.window->FindChildWindow("dbTurn");
  ASSERT_TRUE(turn);
  EXPECT_EQ(turn->windowTitle(), "Players for QTP Tournament");
  auto* grid = Child<QTableWidget>(turn, "Grid1");
  auto* list1 = Child<QListWidget>(turn, "List1");
  ASSERT_TRUE(grid && list1);
  ASSERT_EQ(grid->rowCount(), 5);
  EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), "MbShip No");
  EXPECT_EQ(grid->item(1, 1)->text(), "Player2");

  for (int row : {0, 2, 4})
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      grid->visualItemRect(grid->item(row, 1)).center());
  QTest::mouseClick(Child<QPushButton>(turn, "Command1"), Qt::LeftButton);
  ASSERT_EQ(list1->count(), 3);
  EXPECT_EQ(list1->item(1)->text(), "Player3                    3");
  EXPECT_EQ(grid->item(2, 1)->text(), "");
  EXPECT_EQ(Child<QLineEdit>(turn, "Text4")->text(), "3");

  f.dialogs.InputAnswer("wint");
  f.dialogs.InputAnswer("1");
  QTest::mouseClick(Child<QPushButton>(turn, "Command5"), Qt::LeftButton);
  EXPECT_EQ(f.data.Read("qtpwin/WINTdelt.pre"),
            "\"Player1\",1600,1,0,0\r\n\"Player3\",1600,3,0,0\r\n\"Player5\",1600,5,0,0\r\n");
  ASSERT_FALSE(f.dialogs.Messages().empty());
  EXPECT_EQ(f.dialogs.Messages().back(), "3 players for tournament WINT\rsuccessfully pre-registered.");

  // Closing asks while players are selected, from the title bar as from
  // Exit; the home screen comes back.
  f.dialogs.Answer(Answer::Cancel);
  turn->parentWidget()->close();
  QApplication::processEvents();
  ASSERT_EQ(f.window->FindChildWindow("dbTurn"), turn);
  EXPECT_EQ(list1->count(), 3);
  EXPECT_FALSE(f.window->statusWindow()->isVisible());
  f.dialogs.Answer(Answer::Ok);
  QTest::mouseClick(Child<QPushButton>(turn, "Command6"), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(f.dialogs.Messages().back(), "Leave the list of selected players?");
  EXPECT_FALSE(f.window->FindChildWindow("dbTurn"));
  EXPECT_TRUE(f.window->statusWindow()->isVisible());
}

// Alpha Search puts the first match on the grid's top line.
TEST(TurnWindow, AlphaSearchScrollsTheFirstMatchToTheTop) {
  ShellFixture f;
  f.WriteClub(60);
  ASSERT_TRUE(f.Start());
  f.window->show();
  f.window->RunMenuItem("mnutour");
  QApplication::processEvents();
  QWidget* turn = f.window->FindChildWindow("dbTurn");
  ASSERT_TRUE(turn);
  auto* grid = Child<QTableWidget>(turn, "Grid1");
  QTest::mouseClick(Child<QCheckBox>(turn, "Check1"), Qt::LeftButton);
  QTest::keyClicks(Child<QLineEdit>(turn, "Text3"), "player2");
  QApplication::processEvents();
  const QList<QTableWidgetItem*> selected = grid->selectedItems();
  ASSERT_FALSE(selected.isEmpty());
  int first = grid->rowCount();
  for (const QTableWidgetItem* item : selected) first = std::min(first, item->row());
  EXPECT_EQ(grid->item(first, 1)->text(), "Player2");
  EXPECT_EQ(grid->rowAt(1), first);
}

}  // namespace
}  // namespace hrs::test
