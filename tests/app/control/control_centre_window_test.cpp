#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/control/control_centre_window.h"
#include "app/shell/shell_fixture.h"
#include "core/data/transaction_names.h"

namespace hrs::test {
namespace {

TEST(ControlCentreWindow, OneResultTypedAndSavedWithEnterThenShownInTheOverview) {
  ShellFixture f;
  f.WriteClub(3);
  ASSERT_TRUE(f.StartShown());
  f.dialogs.Clear();
  ASSERT_TRUE(f.window->MenuItem("mnukey")->isEnabled());

  f.window->RunMenuItem("mnukey");
  QCoreApplication::processEvents();
  QWidget* cc = f.window->FindChildWindow("dbRating");
  ASSERT_TRUE(cc);
  EXPECT_FALSE(f.window->statusWindow()->isVisible());
  // Opens in the file overview: a registry is made for the year.
  EXPECT_TRUE(Child<QRadioButton>(cc, "Option1")->isChecked());
  EXPECT_TRUE(Child<QRadioButton>(cc, "Option3")->isEnabled());
  EXPECT_EQ(Child<QListWidget>(cc, "List2")->item(0)->text(), "No Qtp Files");
  EXPECT_TRUE(f.data.Exists(RegistryFileName(2026)));

  QTest::mouseClick(Child<QRadioButton>(cc, "Option5"), Qt::LeftButton);
  auto* text4 = Child<QLineEdit>(cc, "Text4");
  auto* text5 = Child<QLineEdit>(cc, "Text5");
  EXPECT_EQ(cc->focusWidget(), text4);
  EXPECT_EQ(Child<QLineEdit>(cc, "Text1")->text(), "2026");
  EXPECT_EQ(Child<QListWidget>(cc, "List1")->count(), 3);
  QTest::keyClicks(text4, "1");
  EXPECT_EQ(Child<QLabel>(cc, "Label10")->text(), "Player1");
  // Tab to the loser field; a transfer by the right button fills it.
  QTest::keyClick(text4, Qt::Key_Tab);
  EXPECT_EQ(cc->focusWidget(), text5);
  auto* list = Child<QListWidget>(cc, "List1");
  QTest::mouseClick(list->viewport(), Qt::RightButton, {}, list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(text5->text(), "2");
  EXPECT_EQ(Child<QLabel>(cc, "Label11")->text(), "Player2");
  EXPECT_TRUE(Child<QLabel>(cc, "Pic1")->isVisible());

  QTest::keyClick(text5, Qt::Key_Return);
  EXPECT_EQ(f.data.Read(MonthFileName(2026, 12)), "\"20261208\",\"1\",\"2\",\" \"\r\n");
  EXPECT_EQ(text4->text(), "");
  EXPECT_EQ(cc->focusWidget(), text4);
  EXPECT_FALSE(Child<QLabel>(cc, "Pic1")->isVisible());
  EXPECT_TRUE(f.dialogs.Messages().empty());

  // The December overview lists it; a click on the line names the players.
  QTest::mouseClick(Child<QRadioButton>(cc, "Option2"), Qt::LeftButton);
  auto* months = Child<QListWidget>(cc, "List1");
  ASSERT_EQ(months->count(), 12);
  months->scrollToItem(months->item(11));
  const QPoint december = months->visualItemRect(months->item(11)).center();
  QTest::mouseClick(months->viewport(), Qt::LeftButton, {}, december);
  QTest::mouseDClick(months->viewport(), Qt::LeftButton, {}, december);
  QWidget* show = f.window->FindChildWindow("dbListShow");
  ASSERT_TRUE(show);
  EXPECT_EQ(show->windowTitle(), "Overview for December 2026");
  EXPECT_EQ(Child<QGroupBox>(show, "Frame1")->title(), " Day  Winner   Loser Draw");
  auto* lines = Child<QListWidget>(show, "List1");
  ASSERT_EQ(lines->count(), 1);
  EXPECT_EQ(lines->item(0)->text(), "08       1       2    ");
  QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, lines->visualItemRect(lines->item(0)).center());
  EXPECT_EQ(Child<QLabel>(cc, "Label7")->text(), "Duels this month: 1\n\nWinner: Player1\nLoser:  Player2");

  // Count Duels in Base keeps the count for the status window.
  QTest::mouseClick(Child<QRadioButton>(cc, "Option7"), Qt::LeftButton);
  EXPECT_EQ(Child<QLabel>(cc, "Label7")->text(), " 1 validated duels ");
  EXPECT_EQ(f.window->database().setup.LatestCount, 1);
  EXPECT_EQ(f.window->FindChildWindow("dbListShow"), nullptr);

  QTest::mouseClick(Child<QPushButton>(cc, "Command2"), Qt::LeftButton);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(f.window->FindChildWindow("dbRating"), nullptr);
  EXPECT_TRUE(f.window->statusWindow()->isVisible());
}

// Add User File through the widgets: one error line corrected in the fields
// and the file saved to the month files.
TEST(ControlCentreWindow, UserFileCorrectedInTheFieldsAndSaved) {
  ShellFixture f;
  f.WriteClub(3);
  ASSERT_TRUE(f.StartShown());
  f.window->RunMenuItem("mnukey");
  QCoreApplication::processEvents();
  QWidget* cc = f.window->FindChildWindow("dbRating");
  ASSERT_TRUE(cc);
  f.data.Write("club.csv", "20260617,1,2,1\r\n20260618,2,2,2\r\n");
  f.dialogs.FileAnswer((f.data.path() / "club.csv").string());
  f.dialogs.InputAnswer("2");
  QTest::mouseClick(Child<QRadioButton>(cc, "Option6"), Qt::LeftButton);
  auto* list = Child<QListWidget>(cc, "List1");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(), "20260618         2?        2? 2  Error");
  EXPECT_EQ(Child<QLabel>(cc, "Label8")->text(), "  Date      Player1  Player2 Res");
  EXPECT_TRUE(Child<QPushButton>(cc, "Command4")->isEnabled());

  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  auto* text5 = Child<QLineEdit>(cc, "Text5");
  EXPECT_EQ(text5->text(), "2");
  text5->clear();
  QTest::keyClicks(text5, "3");
  EXPECT_EQ(Child<QLabel>(cc, "Label11")->text(), "Player3");
  QTest::keyClick(text5, Qt::Key_Return);  // Correct is the default button
  EXPECT_EQ(list->item(1)->text(), "20260618         2         3  2 ");
  QTest::mouseClick(Child<QPushButton>(cc, "Command4"), Qt::LeftButton);
  EXPECT_EQ(f.data.Read(MonthFileName(2026, 6)), "\"20260617\",1,2,\" \"\r\n\"20260618\",3,2,\" \"\r\n");
  EXPECT_TRUE(Child<QRadioButton>(cc, "Option1")->isChecked());
}

}  // namespace
}  // namespace hrs::test
