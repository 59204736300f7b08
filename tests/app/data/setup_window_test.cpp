#include "app/data/setup_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "core/data/setup_file.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs::app {
namespace {

class SetupWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db.location = dir.Location();
    db.setup = SetupRecord::Created(2026);
    db.setup.ListName = TextField::Of("Knights Club");
    db.setup.MinAdjustments = 5;
    ASSERT_FALSE(SaveSetup(db.location, db.setup));
  }
  QLineEdit* Text(QWidget& w, int n) { return w.findChild<QLineEdit*>(QString("Text%1").arg(n)); }
  QPushButton* Button(QWidget& w, const char* name) { return w.findChild<QPushButton*>(name); }

  test::TempDir dir;
  test::ScriptedDialogs dialogs;
  test::FixedClock clock;
  Database db;
  int refreshed = 0;
};

TEST_F(SetupWindowTest, CaptionsAndFieldsShowTheRecord) {
  SetupWindow w(db, dialogs, clock, [this] { ++refreshed; });
  EXPECT_EQ(w.objectName(), "dbSetup");
  EXPECT_EQ(w.windowTitle(), "Ranking System Setup ");
  auto* pic = w.findChild<QWidget*>("Pic1");
  ASSERT_TRUE(pic);
  const auto captions = pic->findChildren<QLabel*>();
  ASSERT_EQ(captions.size(), 10);
  EXPECT_EQ(captions[0]->text(), "Name of ranking list");
  EXPECT_EQ(captions[3]->text(), "Win Expectancy Factor");
  EXPECT_EQ(captions[9]->text(), "Minimum Adjustments");
  const QStringList expected = {"Knights Club", "2026", "1600", "400", "2099", "2399", "32", "24", "16", "5"};
  for (int n = 1; n <= 10; ++n) {
    ASSERT_TRUE(Text(w, n)) << n;
    EXPECT_EQ(Text(w, n)->text(), expected[n - 1]) << n;
  }
  EXPECT_EQ(Button(w, "Command1")->text(), "&Save");
  EXPECT_EQ(Button(w, "Command2")->text(), "&Close");
}

TEST_F(SetupWindowTest, SaveWithABadFieldFocusesItAndRestoresIt) {
  SetupWindow w(db, dialogs, clock, [this] { ++refreshed; });
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  Text(w, 3)->setText("1399");
  QTest::mouseClick(Button(w, "Command1"), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), Text(w, 3));
  EXPECT_EQ(Text(w, 3)->text(), "1600");
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0],
            "The rating adjustment algorithm does not\rsupport a default startrating below 1400");

  dialogs.Clear();
  Text(w, 7)->setText("0");  // stops without a word
  QTest::mouseClick(Button(w, "Command1"), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), Text(w, 7));
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(SetupWindowTest, SaveStoresTheFieldsAndShowsWhatWasStored) {
  SetupWindow w(db, dialogs, clock, [this] { ++refreshed; });
  Text(w, 1)->setText("Spring Ladder");
  Text(w, 10)->setText("-5");
  QString shownWithTheMessage;
  dialogs.onMessage = [&](const std::string&) { shownWithTheMessage = Text(w, 10)->text(); };
  QTest::mouseClick(Button(w, "Command1"), Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Setup saved"}));
  EXPECT_EQ(shownWithTheMessage, "0");
  EXPECT_EQ(Text(w, 10)->text(), "0");
  const auto onFile = ParseSetupFile(dir.Read("rfast.hrs"));
  ASSERT_TRUE(onFile);
  EXPECT_EQ(onFile->ListName.str(), "Spring Ladder");
  EXPECT_EQ(onFile->MinAdjustments, 0);
  EXPECT_EQ(refreshed, 0);
}

TEST_F(SetupWindowTest, CloseClosesTheChildWindowAndRefreshesStatus) {
  QMdiArea area;
  auto* w = new SetupWindow(db, dialogs, clock, [this] { ++refreshed; });
  QMdiSubWindow* frame = area.addSubWindow(w);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  area.show();
  frame->show();
  QPointer<QMdiSubWindow> alive(frame);
  QTest::mouseClick(Button(*w, "Command2"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(refreshed, 1);
  EXPECT_TRUE(alive.isNull());
  EXPECT_TRUE(area.subWindowList().isEmpty());
}

}  // namespace
}  // namespace hrs::app
