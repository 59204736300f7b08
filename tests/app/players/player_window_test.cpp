#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/shell/mdi_form.h"
#include "app/shell/shell_fixture.h"

namespace hrs::test {
namespace {

// F2 opens the window; one player typed in and entered lands in the file,
// the list and the status summary after closing.
TEST(PlayerWindow, EntersOnePlayerIntoTheFile) {
  ShellFixture f;
  f.WriteClub(3);
  ASSERT_TRUE(f.Start());
  f.dialogs.Clear();
  f.window->show();
  f.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
  QTest::keyClick(f.window.get(), Qt::Key_F2);
  QWidget* w = f.window->FindChildWindow("dbPlayer");
  ASSERT_TRUE(w);
  EXPECT_EQ(w->windowTitle(), "Player Database Management");
  EXPECT_FALSE(f.window->statusWindow()->isVisible());
  EXPECT_TRUE(Child<QRadioButton>(w, "Option1")->isChecked());
  EXPECT_EQ(Child<QRadioButton>(w, "Option4")->text(), "Alpha &Search");
  EXPECT_EQ(Child<QLabel>(w, "Label10")->text(), "  Id  Name                   Rating  MbShip Info");
  EXPECT_FALSE(Child<QLabel>(w, "Label11")->isVisible());
  auto* list = Child<QListWidget>(w, "List1");
  ASSERT_EQ(list->count(), 3);
  EXPECT_TRUE(list->item(2)->isSelected());
  auto* text1 = Child<QLineEdit>(w, "text1");
  auto* text2 = Child<QLineEdit>(w, "text2");
  EXPECT_EQ(text1->text(), "4");
  EXPECT_EQ(Child<QLineEdit>(w, "Text5")->text(), "1600");
  EXPECT_TRUE(text2->hasFocus());

  // The Sys Id is the system's: the focus passes on to the name.
  text1->setFocus();
  EXPECT_TRUE(text2->hasFocus());
  QTest::keyClicks(text2, "Dag Moe");
  QTest::mouseClick(Child<QCheckBox>(w, "Check1"), Qt::LeftButton);
  auto* text4 = Child<QLineEdit>(w, "text4");
  EXPECT_TRUE(text4->hasFocus());
  QTest::keyClicks(text4, "1");
  QTest::keyClick(text4, Qt::Key_Return);
  EXPECT_TRUE(f.dialogs.Messages().empty());
  EXPECT_EQ(f.data.Read("player.hrs").substr(f.data.Read("player.hrs").find("4,")),
            "4,\"Dag Moe\",\" \",999999,1600,1600,0,0,0,0,0,\r\n");
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(3)->text(), "   4 Dag Moe                  1600  999999          ");
  EXPECT_TRUE(list->item(3)->isSelected());
  EXPECT_EQ(text1->text(), "5");
  EXPECT_EQ(text2->text(), "");
  EXPECT_TRUE(text2->hasFocus());

  // Change mode lists by name.
  auto* option2 = Child<QRadioButton>(w, "Option2");
  QTest::mouseClick(option2, Qt::LeftButton, {}, QPoint(8, option2->height() / 2));
  EXPECT_EQ(Child<QLabel>(w, "Label10")->text(), "Name                      Id Rate   MbShip Info");
  EXPECT_TRUE(Child<QLabel>(w, "Label11")->isVisible());
  EXPECT_TRUE(text1->hasFocus());
  const QPoint first = list->visualItemRect(list->item(0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
  EXPECT_EQ(text2->text(), "Dag Moe");

  QTest::mouseClick(Child<QPushButton>(w, "Command2"), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_FALSE(f.window->FindChildWindow("dbPlayer"));
  EXPECT_TRUE(f.window->statusWindow()->isVisible());
  EXPECT_EQ(f.window->database().players.ActiveCount, 4);
}

}  // namespace
}  // namespace hrs::test
