#include <gtest/gtest.h>

#include "core/data/setup_file.h"
#include "core/swiss/turn_form.h"
#include "swiss_club.h"

namespace hrs::test {
namespace {

using Strings = std::vector<std::string>;

std::string NameCell(const TurnForm& form, int row) { return form.Grid1.rows[static_cast<size_t>(row)].cells[1]; }

TEST(TurnForm, OpeningShowsTheActivePlayersInNameOrder) {
  SwissClub club;
  club.Open();
  EXPECT_EQ(club.form.caption, "Players for QTP Tournament");
  EXPECT_EQ(club.form.Label2.caption,
            "Select one or more players with the mouse left button\rClick the mouse right button or click Add Players to add");
  EXPECT_EQ(club.form.Label3.caption, "To remove: Highlight and click right mouse button or Remove Player.");
  std::vector<std::array<std::string, 5>> rows;
  for (const auto& r : club.form.Grid1.rows) rows.push_back(r.cells);
  EXPECT_EQ(rows, (std::vector<std::array<std::string, 5>>{{"1", "Anna Berg", "1850", "12345", ""},
                                                           {"2", "Bo Lund", "1720", "999999", ""},
                                                           {"3", "Cecilia Ek", "1640", "23456", ""},
                                                           {"6", "Eva Gran", "0", "45678", ""},
                                                           {"5", "Zed Young", "1500", "999999", ""}}));
  EXPECT_EQ(club.form.Text2.text, "0");
  EXPECT_EQ(club.form.Text1.text, "0");
  EXPECT_EQ(club.form.Text4.text, "0");
  EXPECT_TRUE(club.dialogs.calls.empty());
}

TEST(TurnForm, AddingAndRemovingPlayers) {
  SwissClub club;
  club.Open();
  club.Add({2, 0, 3});  // Eva Gran is not rated: the button leaves her
  EXPECT_EQ(club.Lines(club.form.List1), (Strings{"Anna Berg                  1", "Cecilia Ek                 3"}));
  EXPECT_EQ(NameCell(club.form, 0), "");
  EXPECT_EQ(NameCell(club.form, 3), "Eva Gran");
  EXPECT_EQ(club.form.Text4.text, "2");

  // A player in the list is not taken again, by either way of adding.
  club.Add({0});
  Grid1RightClick(club.form, club.db);
  EXPECT_EQ(club.form.List1.lines.size(), 2u);

  // The right button takes unrated players and highlights the last added.
  Grid1SelectionChange(club.form, {3, 1});
  Grid1RightClick(club.form, club.db);
  EXPECT_EQ(club.Lines(club.form.List1), (Strings{"Anna Berg                  1", "Bo Lund                    2",
                                                  "Cecilia Ek                 3", "Eva Gran                   6"}));
  EXPECT_EQ(club.form.List1.selected, std::vector<int>{3});
  EXPECT_EQ(club.form.List1.lines[3].value, 6);

  List1SelectionChange(club.form, {0, 3});
  Command2Click(club.form, club.db);
  EXPECT_EQ(club.Lines(club.form.List1), (Strings{"Bo Lund                    2", "Cecilia Ek                 3"}));
  EXPECT_EQ(NameCell(club.form, 0), "Anna Berg");
  EXPECT_EQ(NameCell(club.form, 3), "Eva Gran");
  EXPECT_EQ(club.form.Text4.text, "2");
  EXPECT_EQ(club.form.Text1.text, "2");

  Command3Click(club.form, club.db);
  EXPECT_TRUE(club.form.List1.lines.empty());
  EXPECT_EQ(NameCell(club.form, 2), "Cecilia Ek");
}

TEST(TurnForm, AddSlotsChecksItsFields) {
  const struct {
    const char* count;
    const char* text;
    const char* focus;
  } refused[] = {{"", "Guest", "Text2"}, {"x", "Guest", "Text2"}, {"0", "Guest", "Text2"},
                 {"100", "Guest", "Text2"}, {"2", "G", "Text3"}};
  for (const auto& c : refused) {
    SwissClub club;
    club.Open();
    Text2Change(club.form, c.count);
    Text3Change(club.form, c.text);
    Command8Click(club.form);
    EXPECT_EQ(club.form.focus, c.focus) << c.count << " " << c.text;
    EXPECT_TRUE(club.form.List2.lines.empty());
  }
  SwissClub club;
  club.Open();
  club.Add({0});
  Text2Change(club.form, "2");
  Text3Change(club.form, "Guest \"B\"");
  Command8Click(club.form);
  EXPECT_EQ(club.Lines(club.form.List2),
            (Strings{"Guest 'B'                       0", "Guest 'B'                       0"}));
  EXPECT_EQ(club.form.Text2.text, "0");
  EXPECT_EQ(club.form.Text3.text, "");
  EXPECT_EQ(club.form.Text1.text, "3");
  List2SelectionChange(club.form, 1);
  List2DblClick(club.form);
  EXPECT_EQ(club.form.Text1.text, "2");
}

TEST(TurnForm, AlphaSearchSelectsAndScrolls) {
  SwissClub club;
  for (int i = 0; i < 40; ++i) {  // many players after the six
    PlayerRecord& p = club.db.players[++club.db.players.PlayerCount];
    p.Name = TextField::Of("Player " + std::to_string(10 + i));
    p.Rating = 1600;
  }
  club.Open();
  club.Add({0});
  Check1Click(club.form, true);
  EXPECT_EQ(club.form.focus, "Text3");
  Text3Change(club.form, "c");
  EXPECT_EQ(club.form.Grid1.selected, std::vector<int>{2});
  EXPECT_EQ(club.form.Grid1.topRow, 2);
  Text3Change(club.form, "anna");  // his name cell is empty, his list line is found
  EXPECT_TRUE(club.form.Grid1.selected.empty());
  EXPECT_EQ(club.form.List1.selected, std::vector<int>{0});
  Text3Change(club.form, "player 4");  // rows 34 to 43 of 45: the last 25 rows in view
  EXPECT_EQ(club.form.Grid1.selected.front(), 34);
  EXPECT_EQ(club.form.Grid1.selected.back(), 43);
  EXPECT_EQ(club.form.Grid1.topRow, 45 - 25);
  Check1Click(club.form, false);
  EXPECT_EQ(club.form.Text3.text, "");
  EXPECT_TRUE(club.form.Grid1.selected.empty());
  EXPECT_TRUE(club.form.List1.selected.empty());
  // Unchecked, typing is the slot text only.
  Text3Change(club.form, "c");
  EXPECT_TRUE(club.form.Grid1.selected.empty());
}

TEST(TurnForm, SaveAndLoadTheWorkfile) {
  SwissClub club;
  club.Open();
  Command4Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.dialogs.Messages(), Strings{"Nothing to save"});

  club.Add({0, 4});
  Text2Change(club.form, "1");
  Text3Change(club.form, "Reserved");
  Command8Click(club.form);
  const std::string path = (club.dir.path() / "winter.wrk").string();
  club.dialogs.Clear();
  club.dialogs.FileAnswer(path);
  Command4Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.dir.Read("winter.wrk"),
            "\"Anna Berg                  1\"\r\n\"Zed Young                  5\"\r\n\"Reserved                        0\"\r\n");
  EXPECT_EQ(club.dialogs.Messages(), Strings{"Selected players saved as " + path});
  EXPECT_EQ(club.form.caption, "Players for QTP Tournament - " + path);
  EXPECT_EQ(club.form.Label1.caption,
            "Please choose a temporary directory when saving your provisory file of pre-registered players");
  EXPECT_EQ(ParseSetupFile(club.dir.Read("rfast.hrs"))->PreRegFile.str(), path);

  // Opening again loads it; a player line beyond the table is left out with a note.
  club.dir.Write("winter.wrk", club.dir.Read("winter.wrk") + "\"Ghost                     40\"\r\n");
  club.form = TurnForm{};
  club.dialogs.Clear();
  club.Open();
  EXPECT_EQ(club.Lines(club.form.List1), (Strings{"Anna Berg                  1", "Zed Young                  5"}));
  EXPECT_EQ(club.Lines(club.form.List2), Strings{"Reserved                        0"});
  EXPECT_EQ(NameCell(club.form, 4), "");
  EXPECT_EQ(club.form.Text1.text, "3");
  EXPECT_EQ(club.dialogs.Messages().back(),
            "1 player of the workfile has a Sys Id beyond the player table\rand was left out.");

  // Load Workfile: the question; cancelling the file choice keeps the name.
  club.dialogs.Clear();
  club.dialogs.FileAnswer(std::nullopt);
  Command7Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.dialogs.Messages(), Strings{"Selected players will be erased\rProceed?"});
  EXPECT_EQ(club.db.setup.PreRegFile.str(), path);
  EXPECT_EQ(club.form.List1.lines.size(), 2u);
}

TEST(TurnForm, BadWorkfilesChangeNothing) {
  const struct {
    std::optional<std::string> bytes;  // none: no file
    const char* message;
  } cases[] = {
      {std::nullopt, "Error opening file"},
      {"", "holds no selected players or slots."},
      {"\r\n\r\n", "holds no selected players or slots."},
      {"1,\"Anna Berg\",\" \",12345,1600,1600,0,0,0,0,0,\r\n", "is not a workfile of selected players."},
      {std::string("\"Anna\0Berg   1\"\r\n", 17), "is not a workfile of selected players."},
  };
  for (const auto& c : cases) {
    SwissClub club;
    club.Open();
    club.Add({2});
    const std::string path = (club.dir.path() / "other.wrk").string();
    if (c.bytes) club.dir.Write("other.wrk", *c.bytes);
    club.dialogs.FileAnswer(path);
    Command7Click(club.form, club.db, club.dialogs);
    const std::string said = club.dialogs.Messages().back();
    EXPECT_NE(said.find(c.message), std::string::npos) << said;
    EXPECT_EQ(club.Lines(club.form.List1), Strings{"Cecilia Ek                 3"});
    EXPECT_TRUE(club.db.setup.PreRegFile.str().empty());
    EXPECT_FALSE(club.dir.Exists("rfast.hrs"));
  }
}

TEST(TurnForm, ExportTakesOutOfTheListWhatIsNotExported) {
  SwissClub club;
  club.Tournament("WINT", "open", "sanctioned");
  club.Open();
  club.Add({0, 1});
  club.dialogs.InputAnswer("WINT");
  club.dialogs.InputAnswer("2");
  Command5Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.ReadQtp("WINTdelt.pre"), "\"Anna Berg\",1600,1,12345,0\r\n");
  EXPECT_EQ(club.dialogs.Messages().back(), "1 players for tournament WINT\rsuccessfully pre-registered.");
  EXPECT_EQ(club.Lines(club.form.List1), Strings{"Anna Berg                  1"});
  EXPECT_EQ(NameCell(club.form, 1), "Bo Lund");
  EXPECT_EQ(club.form.Text4.text, "1");
}

}  // namespace
}  // namespace hrs::test
