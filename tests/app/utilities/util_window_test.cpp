#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/shell/shell_fixture.h"
#include "core/data/transaction_names.h"

namespace hrs::test {
namespace {

TEST(UtilWindow, ResultsListedAndOneDeletedThenAPlayerFound) {
  ShellFixture f;
  f.WriteClub(3);
  f.data.Write(MonthFileName(2026, 5), "\"20260510\",\"1\",\"2\",\" \"\r\n\"20260511\",\"3\",\"10001\",\"X\"\r\n");
  ASSERT_TRUE(f.StartShown());
  f.dialogs.Clear();
  ASSERT_TRUE(f.window->MenuItem("mnuutil")->isEnabled());
  f.window->RunMenuItem("mnuutil");
  QCoreApplication::processEvents();
  QWidget* util = f.window->FindChildWindow("dbUtil");
  ASSERT_TRUE(util);
  EXPECT_EQ(util->windowTitle(), "Ranking Database Utilities");
  EXPECT_TRUE(Child<QRadioButton>(util, "Option3")->isChecked());
  EXPECT_EQ(Child<QRadioButton>(util, "Option6")->text(), "Ne&w Year Conversion");
  EXPECT_FALSE(Child<QPushButton>(util, "Command5")->isEnabled());

  auto* text1 = Child<QLineEdit>(util, "Text1");
  QTest::keyClicks(text1, "10001");
  QTest::keyClick(text1, Qt::Key_Return);
  auto* list = Child<QListWidget>(util, "List1");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "20260510       2 WON  Player2                    1");
  EXPECT_EQ(list->item(1)->text(), "20260511       3 DRAW Player3                10001");
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_TRUE(Child<QLabel>(util, "Label2")->isVisible());

  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  QTest::mouseClick(Child<QPushButton>(util, "Command5"), Qt::LeftButton);
  EXPECT_EQ(f.dialogs.Messages(), (std::vector<std::string>{"Please confirm deletion", "Transaction deleted"}));
  EXPECT_EQ(f.data.Read(MonthFileName(2026, 5)), "\"20260511\",\"3\",\"10001\",\"X\"\r\n");
  ASSERT_EQ(list->count(), 1);

  QTest::mouseClick(Child<QRadioButton>(util, "Option1"), Qt::LeftButton);
  EXPECT_FALSE(Child<QPushButton>(util, "Command6")->isVisible());
  EXPECT_EQ(list->count(), 0);
  QTest::keyClicks(text1, "PLAYER2");
  QTest::keyClick(text1, Qt::Key_Return);
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), "   2 Player2                      1600   10002");

  QTest::mouseClick(Child<QPushButton>(util, "Command2"), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_FALSE(f.window->FindChildWindow("dbUtil"));
}

}  // namespace
}  // namespace hrs::test
