#include <gtest/gtest.h>

#include "control_club.h"
#include "core/control/keyboard_entry.h"
#include "support/list_lines.h"

namespace hrs::test {
namespace {

using test::Lines;

// Three active players, a deleted one and one with a long name.
struct FormClub : ControlClub {
  FormClub() {
    AddPlayer("Carl", 1700, 24500);
    AddPlayer("anna", 1650, NoMembership);
    AddPlayer("Bo", 1700, 12000);
    AddPlayer("Gone", 1800, 13000, StatusDeleted);
    AddPlayer("Maximilian Alexander Oldenburg-Hansen", 0, 24100);
    ControlCentreLoad(form, db, dialogs, clock);
  }
  void Keyboard() { Option5Click(form, db, dialogs, clock); }
  void Enter() { Command1Click(form, db, dialogs, clock); }
};

TEST(ControlCentreForm, OpensInTheFileOverview) {
  FormClub club;
  EXPECT_EQ(club.form.mode, ControlMode::FileOverview);
  EXPECT_TRUE(club.form.Option1.value);
  EXPECT_TRUE(club.form.Option3.enabled);
  EXPECT_TRUE(club.form.Option4.enabled);
  EXPECT_TRUE(club.form.Option6.enabled);
  EXPECT_EQ(club.form.Text1.text, "2026");
  EXPECT_TRUE(club.form.Text1.readOnly);
  EXPECT_EQ(club.form.focus, "Text1");
  EXPECT_EQ(club.form.Label8.caption, " Collection           QTP files in directory");
  EXPECT_TRUE(Lines(club.form.List1).empty());  // the registry was only just made
  EXPECT_EQ(Lines(club.form.List2), std::vector<std::string>{"No Qtp Files"});
  EXPECT_EQ(club.dir.Read(RegistryFileName(2026)), "\"No QTP files\"\r\n");
}

TEST(ControlCentreForm, PlayerViews) {
  FormClub club;
  const std::string longName = "Maximilian Alexander Olden";  // the first 26 characters
  Command5Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.form.ListView, 1);
  EXPECT_EQ(club.form.Label8.caption, "  Id Name                       Rate   MbShip");
  EXPECT_EQ(Lines(club.form.List1), (std::vector<std::string>{
                                         "   1 Carl                       1700   24500",
                                         "   2 anna                       1650  999999",
                                         "   3 Bo                         1700   12000",
                                         "   5 " + longName + "    0   24100",
                                     }));
  EXPECT_TRUE(club.form.List1.selected.empty());
  EXPECT_EQ(club.form.List1.lines[3].value, 5);

  Command6Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.form.Label8.caption, " MbShip   Id Name                       Rate");
  EXPECT_EQ(Lines(club.form.List1), (std::vector<std::string>{
                                         "  12000    3 Bo                         1700",
                                         "  24100    5 " + longName + "    0",
                                         "  24500    1 Carl                       1700",
                                         " 999999    2 anna                       1650",
                                     }));
  EXPECT_EQ(club.form.List1.selected, std::vector<int>{0});

  Command7Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.form.Label8.caption, "Name                         Id Rate   MbShip");
  EXPECT_EQ(Lines(club.form.List1), (std::vector<std::string>{
                                         "anna                          2 1650  999999",
                                         "Bo                            3 1700   12000",
                                         "Carl                          1 1700   24500",
                                         longName + "    5    0   24100",
                                     }));
  EXPECT_EQ(club.form.List1.lines[0].value, 2);

  // Equal ratings get consecutive ranks; a rating of 0 is not ranked.
  Command8Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.form.ListView, 4);
  EXPECT_EQ(club.form.Label8.caption, "Rank  Rate Name                           Id");
  EXPECT_EQ(Lines(club.form.List1), (std::vector<std::string>{
                                         "   1  1700 Carl                            1",
                                         "   2  1700 Bo                              3",
                                         "   3  1650 anna                            2",
                                     }));
  EXPECT_TRUE(club.dialogs.calls.empty());
}

TEST(ControlCentreForm, ViewsOfAnEmptyClub) {
  ControlClub club;
  for (auto view : {Command6Click, Command7Click, Command8Click}) {
    club.dialogs.Clear();
    view(club.form, club.db, club.dialogs);
    EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{"No players enrolled yet"});
  }
  club.dialogs.Clear();
  Command5Click(club.form, club.db, club.dialogs);
  EXPECT_TRUE(club.dialogs.calls.empty());
  EXPECT_TRUE(club.form.List1.lines.empty());
  Option5Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{"No players in database"});
}

TEST(ControlCentreForm, KeyboardModeOpens) {
  FormClub club;
  club.Keyboard();
  const auto& f = club.form;
  EXPECT_EQ(f.mode, ControlMode::Keyboard);
  EXPECT_TRUE(f.command1Default);
  EXPECT_FALSE(f.Text1.readOnly);
  EXPECT_EQ(f.Text1.text + f.Text2.text + f.Text3.text, "20261208");
  EXPECT_TRUE(f.Check1.visible);
  EXPECT_FALSE(f.Pic1.visible);
  EXPECT_EQ(f.Label7.caption,
            "Year: All digits\rWinner and Loser: Sys Id or Membership No\rDraw = X (mouse toggle)\r\r"
            "DblClick or click left/right to transfer, or enter the Id's in winner/loser boxes. \r"
            "DblClick save icon or press Enter to save result");
  EXPECT_EQ(f.Label8.caption, "Name                           Id Rate  MbShip");
  EXPECT_EQ(Lines(f.List1).front(), "anna                            2 1650  999999");
  EXPECT_EQ(Lines(f.List1).back(), "Maximilian Alexander Oldenbu    5    0   24100");
  EXPECT_EQ(f.ListView, 3);
  EXPECT_EQ(f.focus, "Text4");
}

TEST(ControlCentreForm, KeyboardFieldsBehave) {
  FormClub club;
  club.Keyboard();
  auto& f = club.form;
  TextChange(f, club.db, "Text4", "1");
  EXPECT_EQ(f.Label10.caption, "Carl");
  EXPECT_FALSE(f.Pic1.visible);
  TextChange(f, club.db, "Text5", "4");
  EXPECT_EQ(f.Label11.caption, "Gone");  // any Sys Id in the table is named
  EXPECT_TRUE(f.Pic1.visible);
  EXPECT_TRUE(f.Label9.visible);
  TextChange(f, club.db, "Text5", "12000");
  EXPECT_EQ(f.Label11.caption, "");
  TextChange(f, club.db, "Text4", "x");
  EXPECT_EQ(f.Label10.caption, "");
  EXPECT_FALSE(f.Pic1.visible);

  // The draw field toggles as it gets the focus, and so do the captions.
  Text6GotFocus(f);
  EXPECT_EQ(f.Text6.text, "X");
  EXPECT_FALSE(f.Label4.visible);
  EXPECT_FALSE(f.Label5.visible);
  Text6GotFocus(f);
  EXPECT_EQ(f.Text6.text, "");
  EXPECT_TRUE(f.Label4.visible);

  // A field given the focus is emptied.
  Text3GotFocus(f, club.db);
  EXPECT_EQ(f.Text3.text, "");
}

TEST(ControlCentreForm, TransferFromTheList) {
  FormClub club;
  club.Keyboard();
  auto& f = club.form;
  // Name view: anna (2), Bo (3), Carl (1), the long name (5).
  List1DblClick(f, club.db, club.dialogs, club.clock, 2);
  EXPECT_EQ(f.Text4.text, "1");
  List1RightButton(f, club.db, 0);
  EXPECT_EQ(f.Text5.text, "2");
  EXPECT_TRUE(f.Pic1.visible);
  // Both filled: both cleared, the new one is the winner.
  List1DblClick(f, club.db, club.dialogs, club.clock, 1);
  EXPECT_EQ(f.Text4.text, "3");
  EXPECT_EQ(f.Text5.text, "");
  EXPECT_EQ(f.Label10.caption, "Bo");
  EXPECT_EQ(f.Label11.caption, "");
  EXPECT_FALSE(f.Pic1.visible);
  EXPECT_TRUE(club.dir.Files() == std::vector<std::string>{RegistryFileName(2026)});
}

TEST(ControlCentreForm, SaveAndRefusalsInTheForm) {
  FormClub club;
  club.Keyboard();
  auto& f = club.form;
  // A membership number becomes the Sys Id, which stays when the loser is refused.
  TextChange(f, club.db, "Text4", "24500");
  TextChange(f, club.db, "Text5", "77");
  club.Enter();
  EXPECT_EQ(f.Text4.text, "1");
  EXPECT_EQ(f.Label10.caption, "Carl");
  EXPECT_EQ(f.Text5.text, "");
  EXPECT_EQ(f.focus, "Text5");
  EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{"Loser number does not exist"});

  // The year refused silently: focus there, and emptied.
  TextChange(f, club.db, "Text5", "3");
  TextChange(f, club.db, "Text1", "1995");
  club.Enter();
  EXPECT_EQ(f.focus, "Text1");
  EXPECT_EQ(f.Text1.text, "");

  // A saved draw empties the ids and the mark; the date stays.
  TextChange(f, club.db, "Text1", "2026");
  Text6GotFocus(f);
  TextChange(f, club.db, "Text7", "");
  club.Enter();
  EXPECT_EQ(club.MonthFile(12), "\"20261208\",\"1\",\"3\",\"X\"\r\n");
  EXPECT_EQ(f.Text4.text + f.Text5.text + f.Text6.text, "");
  EXPECT_EQ(f.Text1.text + f.Text2.text + f.Text3.text, "20261208");
  EXPECT_TRUE(f.Label4.visible);
  EXPECT_FALSE(f.Pic1.visible);
  EXPECT_EQ(f.focus, "Text4");

  // Cancel for a deleted player empties both ids.
  TextChange(f, club.db, "Text4", "4");
  TextChange(f, club.db, "Text5", "1");
  club.dialogs.Answer(Answer::Cancel);
  Pic1DblClick(f, club.db, club.dialogs, club.clock);
  EXPECT_EQ(f.Text4.text + f.Text5.text, "");
  EXPECT_EQ(f.focus, "Text4");
}

TEST(ControlCentreForm, AlphaSearch) {
  FormClub club;
  club.Keyboard();
  auto& f = club.form;
  Command5Click(f, club.db, club.dialogs);  // by Sys Id: checking builds the name view again
  Check1Click(f, club.db, club.dialogs, true);
  EXPECT_TRUE(f.Check1.value);
  EXPECT_TRUE(f.Text7.enabled);
  EXPECT_TRUE(f.Frame1.visible);
  EXPECT_EQ(f.ListView, 3);
  EXPECT_TRUE(f.List1.selected.empty());
  EXPECT_EQ(f.List1.listIndex, 0);
  EXPECT_EQ(f.focus, "Text7");
  TextChange(f, club.db, "Text7", "B");
  EXPECT_EQ(f.List1.selected, std::vector<int>{1});
  TextChange(f, club.db, "Text7", "a");  // anna only: "Maximilian" starts with M
  EXPECT_EQ(f.List1.selected, std::vector<int>{0});
  TextChange(f, club.db, "Text7", "");
  EXPECT_TRUE(f.List1.selected.empty());
  // The view by membership number clears the search.
  Command6Click(f, club.db, club.dialogs);
  EXPECT_FALSE(f.Check1.value);
  EXPECT_FALSE(f.Text7.enabled);
  EXPECT_FALSE(f.Frame1.visible);
  // Outside keyboard entry (and Add Tournament) checking is undone.
  Option1Click(f, club.db, club.dialogs, club.clock);
  Check1Click(f, club.db, club.dialogs, true);
  EXPECT_FALSE(f.Check1.value);
}

TEST(ControlCentreForm, ExitClosesTheResultList) {
  FormClub club;
  club.form.listShow.visible = true;
  Command2Click(club.form);
  EXPECT_TRUE(club.form.closed);
  EXPECT_FALSE(club.form.listShow.visible);
}

}  // namespace
}  // namespace hrs::test
