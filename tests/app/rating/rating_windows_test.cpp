#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "app/rating/calc_window.h"
#include "app/rating/query_window.h"
#include "app/shell/mdi_form.h"
#include "app/shell/picture_box.h"
#include "app/shell/shell_fixture.h"
#include "core/rating/rating_query.h"
#include "core/data/transaction_names.h"

namespace hrs::test {
namespace {

struct RatingWindows : ::testing::Test {
  void SetUp() override {
    f.WriteClub(3);
    ASSERT_TRUE(f.Start());
    f.dialogs.Clear();
  }
  QWidget* Open(const char* item, const char* form) {
    f.window->RunMenuItem(item);
    return f.window->FindChildWindow(form);
  }
  ShellFixture f;
};

TEST_F(RatingWindows, MenuItemsAreEnabled) {
  EXPECT_TRUE(f.window->MenuItem("mnucalc")->isEnabled());
  EXPECT_TRUE(f.window->MenuItem("mnuquery")->isEnabled());
}

TEST_F(RatingWindows, CalculateShowsTheReportAndTheRankingList) {
  f.data.Write(MonthFileName(2026, 3), "\"20260310\",\"2\",\"1\",\" \"\r\n\"20260311\",3,10001,\"X\"\r\n");
  QWidget* calc = Open("mnucalc", "dbCalc");
  ASSERT_TRUE(calc);
  EXPECT_EQ(calc->windowTitle(), "Calculate ratings");
  EXPECT_FALSE(f.window->statusWindow()->isVisible());
  EXPECT_EQ(Child<QLineEdit>(calc, "Text1")->text(), "2026");
  EXPECT_EQ(Child<QLineEdit>(calc, "Text2")->text(), "01");
  EXPECT_EQ(Child<QLineEdit>(calc, "Text3")->text(), "12");
  EXPECT_TRUE(Child<QLabel>(calc, "Label5")->isVisible());  // December is later than January
  EXPECT_TRUE(Child<QPushButton>(calc, "Command4")->isEnabled());
  EXPECT_EQ(Child<QCheckBox>(calc, "Check1")->text(), "&Full year");

  // The start month: not numeric, or later than this month compared as text, gives "01".
  auto* text2 = Child<QLineEdit>(calc, "Text2");
  text2->setText("x");
  EXPECT_EQ(text2->text(), "01");
  text2->setText("2");  // "2" comes after "12"
  EXPECT_EQ(text2->text(), "01");
  text2->setText("03");
  EXPECT_EQ(text2->text(), "03");
  Child<QLineEdit>(calc, "Text1")->setText("1999");
  EXPECT_EQ(Child<QLineEdit>(calc, "Text1")->text(), "2026");
  Child<QCheckBox>(calc, "Check1")->click();
  EXPECT_EQ(text2->text(), "1");

  QTest::mouseClick(Child<QPushButton>(calc, "Command1"), Qt::LeftButton);
  ASSERT_EQ(f.dialogs.Messages().size(), 1u);
  EXPECT_EQ(f.dialogs.Messages()[0].rfind("Ratings successfully completed\r4 calculations performed\r", 0), 0u);
  const Database& db = f.window->database();
  EXPECT_EQ(db.players[2].Rating, 1616);
  EXPECT_EQ(db.players[1].Rating, 1585);  // 10001 is player 1's membership number
  EXPECT_EQ(db.players[3].Drawn, 1);
  EXPECT_EQ(db.AverageRating, 1600);
  EXPECT_NE(f.data.Read("player.hrs").find("1616"), std::string::npos);

  auto* list = Child<QListWidget>(calc, "List1");
  ASSERT_EQ(list->count(), 3);
  EXPECT_TRUE(list->isEnabled());
  EXPECT_EQ(list->item(0)->text(), "   1  1616 Player2                         2");
  EXPECT_EQ(list->item(2)->text(), "   3  1585 Player1                         1");
  EXPECT_EQ(Child<QLabel>(calc, "Label7")->text(), "Rank  Rate Name                           Id");
  // Its header in the list's font; any lines may be selected for the clipboard.
  EXPECT_EQ(Child<QLabel>(calc, "Label7")->font(), list->font());
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_FALSE(Child<QLabel>(calc, "Label6")->isVisible());

  QTest::mouseClick(Child<QPushButton>(calc, "Command2"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(f.window->FindChildWindow("dbCalc"), nullptr);
  EXPECT_TRUE(f.window->statusWindow()->isVisible());
}

TEST_F(RatingWindows, NoToTheUnvalidatedQuestionClosesWithNothingWritten) {
  f.data.Write("RQTP0001.DAT", "\"20260310\"\r\n1,2,0,0,\" \"\r\n");
  f.data.Write(RegistryFileName(2026), "\"RQTP0001.DAT\"\r\n");
  const std::string players = f.data.Read("player.hrs");
  QWidget* calc = Open("mnucalc", "dbCalc");
  ASSERT_TRUE(calc);
  f.dialogs.Answer(Answer::No);
  QTest::mouseClick(Child<QPushButton>(calc, "Command1"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(f.dialogs.MessageCalls().size(), 1u);
  EXPECT_EQ(f.dialogs.MessageCalls()[0].title, "QTP tournament not validated");
  EXPECT_EQ(f.window->FindChildWindow("dbCalc"), nullptr);
  EXPECT_EQ(f.data.Read("player.hrs"), players);
  // The operator is taken to the Control Centre to validate the file.
  QCoreApplication::processEvents();
  EXPECT_TRUE(f.window->FindChildWindow("dbRating"));
  EXPECT_FALSE(f.window->statusWindow()->isVisible());
}

TEST_F(RatingWindows, QueryShowsNamesAndFigures) {
  f.window->database().players[1].Rating = 2100;
  QWidget* query = Open("mnuquery", "Query");
  ASSERT_TRUE(query);
  EXPECT_EQ(Child<QLabel>(query, "Label1")->text().toStdString(), QueryIntro);
  EXPECT_EQ(Child<QLabel>(query, "Label3")->text(), "Win  Draw  Loss   Name");
  EXPECT_EQ(Child<QLabel>(query, "Label3")->font(), Child<app::PictureBox>(query, "Pic1")->font());
  auto* text1 = Child<QLineEdit>(query, "Text1");
  auto* text2 = Child<QLineEdit>(query, "Text2");
  text1->setText("1");
  EXPECT_EQ(Child<QLineEdit>(query, "Text3")->text(), "Player1");
  text2->setText("4");  // out of range: both fields emptied
  EXPECT_EQ(text2->text(), "");
  EXPECT_EQ(Child<QLineEdit>(query, "Text4")->text(), "");
  text2->setText("2");
  EXPECT_EQ(Child<QLineEdit>(query, "Text4")->text(), "Player2");
  QTest::mouseClick(Child<QPushButton>(query, "Command1"), Qt::LeftButton);
  EXPECT_EQ(Child<app::PictureBox>(query, "Pic1")->Lines(), (QStringList{"  1  -11   -23", "", " 30   14    -2"}));
}

TEST_F(RatingWindows, OnlyBecomingTheActiveChildMovesTheFocusToTheStartMonth) {
  QWidget* calc = Open("mnucalc", "dbCalc");
  ASSERT_TRUE(calc);
  QWidget* query = Open("mnuquery", "Query");
  ASSERT_TRUE(query);
  auto* area = qobject_cast<QMdiArea*>(f.window->centralWidget());
  ASSERT_TRUE(area);
  auto* calcSub = qobject_cast<QMdiSubWindow*>(calc->parentWidget());
  auto* querySub = qobject_cast<QMdiSubWindow*>(query->parentWidget());
  area->setActiveSubWindow(querySub);
  // The main window getting the focus back (a message box closed) changes nothing.
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(calc, &activate);
  EXPECT_EQ(area->activeSubWindow(), querySub);
  // The operator going back to Calculate ratings does.
  area->setActiveSubWindow(calcSub);
  EXPECT_EQ(calc->focusWidget(), Child<QLineEdit>(calc, "Text2"));
}

}  // namespace
}  // namespace hrs::test
