#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "app/shell/mdi_form.h"
#include "app/shell/shell_fixture.h"
#include "app/tournament/tournament_steps.h"
#include "app/tournament/local2_window.h"
#include "app/tournament/local_window.h"
#include "core/data/player_file.h"

namespace hrs::test {
namespace {

QStringList Lines(QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

bool Shown(QWidget* form) { return form && form->parentWidget() && form->parentWidget()->isVisible(); }

// A new user runs a tournament of 11 players from start to standings, leaves
// it, and finds every result again with "&Load Tournament".
TEST(TournamentWindows, ElevenPlayersFromSelectionToStandingsAndBack) {
  ShellFixture f;
  f.WriteClub(11);
  ASSERT_TRUE(f.Start());
  f.window->show();
  f.dialogs.Clear();
  ASSERT_TRUE(f.window->MenuItem("mnu_lt")->isEnabled());
  f.window->RunMenuItem("mnu_lt");
  QWidget* local = f.window->FindChildWindow("dbLocal");
  ASSERT_TRUE(local);
  EXPECT_FALSE(f.window->statusWindow()->isVisible());
  auto* selection = Child<QListWidget>(local, "SelectionList");
  auto* selected = Child<QListWidget>(local, "SelectedList");
  ASSERT_EQ(selection->count(), 11);
  EXPECT_EQ(Child<QCheckBox>(local, "Check1")->text(), "Groups &Randomly");
  EXPECT_FALSE(Child<QListWidget>(local, "FileList")->isVisible());

  for (int row = 0; row < 11; ++row) Click(selection, row);
  EXPECT_EQ(selected->count(), 11);
  EXPECT_EQ(Child<QLineEdit>(local, "Text1")->text(), "11");
  EXPECT_EQ(selection->item(3)->text(), " ");
  Click(selected, 0);
  Click(selected, 0);  // a double click removes one player, not two
  EXPECT_EQ(selected->count(), 10);
  EXPECT_EQ(selection->item(0)->text().trimmed().left(7), "Player1");
  Click(selection, 0);

  Choose(local, "ltmnu_grup");
  EXPECT_TRUE(f.dialogs.calls.empty());  // 11 players: 2 groups without a question
  EXPECT_EQ(Child<QListWidget>(local, "Group1")->count(), 1 + 5);
  EXPECT_EQ(Child<QListWidget>(local, "Group2")->count(), 1 + 6);
  EXPECT_EQ(Child<QListWidget>(local, "Group1")->item(0)->text(), "Group 1");
  EXPECT_FALSE(Child<QListWidget>(local, "Group6")->isVisible());
  EXPECT_EQ(Child<QLabel>(local, "Label1")->text(),
            "When you are satisfied with the groups please click Perform/Match Program");

  f.dialogs.Answer(Answer::Ok);
  f.dialogs.Answer(Answer::No);   // not sanctioned
  f.dialogs.Answer(Answer::Yes);  // groups of 5 and 6: the 2-1 victory
  Choose(local, "ltmnu_match");
  ASSERT_EQ(f.dialogs.Messages().size(), 3u);
  EXPECT_EQ(f.dialogs.Messages()[0], "11 players in the tournament.\rThe group play will be 25 matches in 5 rounds.\r"
                                     "You will need 5 tables.");
  QWidget* local2 = f.window->FindChildWindow("dbLocal2");
  ASSERT_TRUE(local2);
  EXPECT_FALSE(Shown(local));
  auto* list = Child<QListWidget>(local2, "List1");
  ASSERT_EQ(list->count(), 25);
  EXPECT_EQ(list->item(0)->text().left(10), " -    1 1 ");
  EXPECT_EQ(Child<QLabel>(local2, "Label2")->text(), "From left: Result - Match - Round - Opponents");
  EXPECT_TRUE(local2->findChild<QAction*>("lt2mnu_pair")->isEnabled());
  EXPECT_TRUE(local2->findChild<QAction*>("lt2mnu_pg")->isEnabled());
  f.window->RunMenuItem("mnu_lt");  // the tournament goes on in dbLocal2
  QApplication::processEvents();
  EXPECT_FALSE(Shown(local));
  EXPECT_EQ(f.window->mdiArea()->activeSubWindow(), local2->parentWidget());

  // Every result typed as an operator does: match, first, second, Enter.
  const char* results[][2] = {{"2", "0"}, {"2", "1"}, {"1", "1"}, {"0", "0"}, {"1", "2"}, {"0", "2"}, {"1", "0"}};
  auto* text1 = Child<QLineEdit>(local2, "Text1");
  auto* text2 = Child<QLineEdit>(local2, "Text2");
  auto* text3 = Child<QLineEdit>(local2, "Text3");
  f.dialogs.Clear();
  for (int match = 1; match <= 25; ++match) {
    const auto& r = results[match % 7];
    QTest::keyClicks(text1, QString::number(match));
    QTest::keyClicks(text2, r[0]);
    QTest::keyClicks(text3, r[1]);
    QTest::mouseClick(Child<QPushButton>(local2, "Command1"), Qt::LeftButton);
    EXPECT_TRUE(text1->text().isEmpty()) << match;
  }
  EXPECT_TRUE(f.dialogs.calls.empty());
  EXPECT_EQ(list->item(0)->text().left(4), "2-1 ");
  EXPECT_EQ(list->item(2)->text().left(4), "0-0 ");
  EXPECT_EQ(list->currentRow(), 24);
  const QStringList played = Lines(list);

  Choose(local2, "lt2mnu_stand");
  EXPECT_EQ(list->count(), 11);
  EXPECT_EQ(Child<QLabel>(local2, "Label2")->text(), "G   ID Name                     P D-Ratio");
  EXPECT_FALSE(text1->isVisible());
  Choose(local2, "lt2mnu_grp");
  EXPECT_EQ(list->count(), 11 + 2);

  QTest::mouseClick(Child<QPushButton>(local2, "Command2"), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_FALSE(f.window->FindChildWindow("dbLocal2"));
  EXPECT_TRUE(Shown(local));
  Choose(local, "ltmnu_ex");
  QApplication::processEvents();
  EXPECT_FALSE(f.window->FindChildWindow("dbLocal"));
  EXPECT_TRUE(f.window->statusWindow()->isVisible());

  f.window->RunMenuItem("mnu_lt");
  local = f.window->FindChildWindow("dbLocal");
  ASSERT_TRUE(local);
  Choose(local, "ltmnu_load");
  auto* files = Child<QListWidget>(local, "FileList");
  ASSERT_EQ(Lines(files), QStringList{"LT261208"});
  EXPECT_EQ(Child<QLabel>(local, "FileCaption")->text(), "Tournaments");
  Click(files, 0);
  QApplication::processEvents();
  local2 = f.window->FindChildWindow("dbLocal2");
  ASSERT_TRUE(local2);
  EXPECT_EQ(Lines(Child<QListWidget>(local2, "List1")), played);
  EXPECT_TRUE(Child<QCheckBox>(local2, "Check2")->isChecked());
  Choose(local2, "lt2mnu_ex");
  QApplication::processEvents();
  EXPECT_TRUE(Shown(local));
}

// 24 players: the standings and the qualification open at their first
// line wherever the list stood before; turning the tournament into a
// sanctioned one shows the players to correct before it says so.
TEST(TournamentWindows, ListsOpenAtTheTopAndTheMembershipCheckShowsItsPlayersFirst) {
  ShellFixture f;
  f.WriteClub(24);
  PlayerTable table;
  ASSERT_EQ(ParsePlayerFile(f.data.Read(PlayerFile), table), PlayerParse::Ok);
  table[5].MbShipNo = NoMembership;
  f.data.Write(PlayerFile, PlayerFileBytes(table));
  ASSERT_TRUE(f.Start());
  f.window->show();
  f.dialogs.InputAnswer("4");
  QWidget* local2 = MatchProgram(f, 24);
  ASSERT_TRUE(local2);
  auto* list = Child<QListWidget>(local2, "List1");
  ASSERT_EQ(list->count(), 60);
  for (int match = 1; match <= 60; ++match) Type(local2, QString::number(match), "2", match % 2 ? "0" : "1");
  ASSERT_EQ(list->currentRow(), 59);
  local2->parentWidget()->resize(local2->parentWidget()->width(), 1);  // as small as it goes
  QApplication::processEvents();

  for (const char* view : {"lt2mnu_stand", "lt2mnu_po"}) {
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    Choose(local2, view);
    ASSERT_EQ(list->count(), 24) << view;
    ASSERT_GT(list->verticalScrollBar()->maximum(), 0) << view;
    EXPECT_EQ(list->verticalScrollBar()->value(), 0) << view;
  }

  QStringList onScreen;
  f.dialogs.onMessage = [&](const std::string& text) {
    if (text == "Please correct") onScreen = Lines(list);
  };
  f.dialogs.Answer(Answer::Yes);  // it should be sanctioned
  Choose(local2, "lt2mnu_sf");
  f.dialogs.onMessage = nullptr;
  EXPECT_EQ(onScreen, (QStringList{"These players have incorrect Membership Id's:", "   5 Player5"}));
}

// The tournaments list appears beside the player lists without moving them.
TEST(TournamentWindows, LoadTournamentMovesNothingUnderThePointer) {
  ShellFixture f;
  f.WriteClub(11);
  ASSERT_TRUE(f.Start());
  f.window->show();
  f.window->RunMenuItem("mnu_lt");
  QApplication::processEvents();
  QWidget* local = f.window->FindChildWindow("dbLocal");
  ASSERT_TRUE(local);
  const auto place = [&](const char* name) {
    auto* w = local->findChild<QWidget*>(name);
    return w ? QRect(w->mapTo(local, QPoint(0, 0)), w->size()) : QRect();
  };
  const QRect selection = place("SelectionList"), selected = place("SelectedList"), group1 = place("Group1");
  ASSERT_FALSE(Child<QListWidget>(local, "FileList")->isVisible());
  Choose(local, "ltmnu_load");
  EXPECT_TRUE(Child<QListWidget>(local, "FileList")->isVisible());
  EXPECT_EQ(place("SelectionList"), selection);
  EXPECT_EQ(place("SelectedList"), selected);
  EXPECT_EQ(place("Group1"), group1);
}

}  // namespace
}  // namespace hrs::test
