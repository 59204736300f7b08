#include <gtest/gtest.h>

#include "core/players/player_form.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

struct PlayerFormTest : ::testing::Test {
  void SetUp() override {
    db.location = dir.Location();
    db.setup = SetupRecord::Created(2026);
    const char* names[] = {"Cy Dee", "Anna Berg", "Bo Lund"};
    for (int id = 1; id <= 30; ++id) {
      PlayerRecord& p = db.players[id];
      p.SysId = static_cast<int16_t>(id);
      p.Name = TextField::Of(id <= 3 ? names[id - 1] : "Player " + std::to_string(100 + id));
      p.Info = TextField::Of("");
      p.MbShipNo = 10000 + id;
      p.StartRating = p.Rating = 1600;
    }
    db.players[4].Status = StatusVoid;
    db.players[4].Name = TextField::Of(" ");
    db.players.PlayerCount = 30;
    db.players.ActiveCount = 29;
    PlayerFormLoad(f, db);
    PlayerFormActivate(f, db);
  }
  std::string Line(int index) const { return f.List1.lines[static_cast<size_t>(index)].line; }
  TempDir dir;
  Database db;
  ScriptedDialogs dialogs;
  PlayerForm f;
};

TEST_F(PlayerFormTest, OpensForANewPlayerAtTheEndOfTheSysIdOrder) {
  EXPECT_EQ(f.mode, PlayerMode::NewPlayer);
  EXPECT_TRUE(f.Option1.value);
  EXPECT_EQ(f.Label10.caption, SysIdOrderHeader(true));
  EXPECT_EQ(f.List1.lines.size(), 30u);
  EXPECT_EQ(f.List1.selected, std::vector<int>{29});
  EXPECT_EQ(f.List1.topIndex, 6);
  EXPECT_FALSE(f.Label11.visible);
  EXPECT_EQ(f.text1.text, "31");
  EXPECT_EQ(f.Text5.text, "1600");
  EXPECT_EQ(f.focus, "text2");
}

TEST_F(PlayerFormTest, FocusRulesOfTheModes) {
  using Event = void (*)(PlayerForm&);
  const struct {
    PlayerMode mode;
    Event event;
    bool check1;
    const char* focus;
  } cases[] = {
      {PlayerMode::NewPlayer, text1GotFocus, false, "text2"},
      {PlayerMode::NewPlayer, Text5GotFocus, false, "text2"},
      {PlayerMode::NewPlayer, text3GotFocus, false, ""},
      {PlayerMode::NewPlayer, text3GotFocus, true, "text4"},
      {PlayerMode::Change, text1GotFocus, false, ""},
      {PlayerMode::Change, Text5GotFocus, false, ""},
      {PlayerMode::Delete, text2GotFocus, false, "text1"},
      {PlayerMode::Delete, text3GotFocus, false, "text1"},
      {PlayerMode::Delete, text4GotFocus, false, "text1"},
      {PlayerMode::Delete, text2Change, false, "text1"},
  };
  for (const auto& c : cases) {
    f.mode = c.mode;
    f.Check1.value = c.check1;
    f.focus.clear();
    c.event(f);
    EXPECT_EQ(f.focus, c.focus) << static_cast<int>(c.mode);
  }
  f.mode = PlayerMode::NewPlayer;
  for (const auto& [check, on, focus] : std::vector<std::tuple<int, bool, std::string>>{
           {1, true, "text4"}, {1, false, "text3"}, {2, true, "text2"}, {2, false, "text4"}}) {
    (check == 1 ? f.Check1 : f.Check2).value = on;
    check == 1 ? Check1Click(f) : Check2Click(f);
    EXPECT_EQ(f.focus, focus);
  }
}

TEST_F(PlayerFormTest, ChangeModeInNameOrderAndTheDoubleClickTransfer) {
  Option2Click(f, db);
  EXPECT_EQ(f.mode, PlayerMode::Change);
  EXPECT_EQ(f.Label5.caption, ChangeHelp);
  EXPECT_TRUE(f.Label11.visible);
  EXPECT_EQ(f.Label10.caption, NameOrderHeader());
  EXPECT_EQ(f.List1.lines.size(), 29u);  // the void player is left out
  EXPECT_EQ(f.List1.lines[0].value, 2);
  EXPECT_EQ(f.text1.text, "");
  EXPECT_EQ(f.focus, "text1");

  List1DblClick(f, db, 0);
  EXPECT_EQ(f.text1.text, "2");
  EXPECT_EQ(f.text2.text, "Anna Berg");
  EXPECT_EQ(f.text4.text, "10002");
  EXPECT_EQ(f.Text5.text, "1600");
  f.text2.text = "Zoe Berg";
  Command1Click(f, db, dialogs);
  // The renamed player moves to her place in the order and is chosen.
  EXPECT_EQ(f.List1.lines.back().value, 2);
  EXPECT_EQ(f.List1.selected, std::vector<int>{28});
  EXPECT_EQ(f.text2.text, "");
  EXPECT_EQ(f.text1.text, "2");
  EXPECT_EQ(f.focus, "text2");
  EXPECT_NE(dir.Read("player.hrs").find("2,\"Zoe Berg\""), std::string::npos);
}

TEST_F(PlayerFormTest, ADeletionIsMarkedInBothOrdersAndAVoidPlayerOnlyInSysIdOrder) {
  EXPECT_EQ(Line(3).substr(Line(3).size() - 2), " V");
  Option3Click(f, db);
  EXPECT_EQ(f.Label5.caption, DeleteHelp);
  List1DblClick(f, db, 2);  // Sys Id order: position is Sys Id
  EXPECT_EQ(f.focus, "text1");
  Command1Click(f, db, dialogs);
  EXPECT_EQ(Line(2), SysIdOrderLine(3, db.players[3]));
  EXPECT_EQ(Line(2).substr(Line(2).size() - 2), " D");
  EXPECT_EQ(f.List1.selected, std::vector<int>{2});
  EXPECT_EQ(db.players.ActiveCount, 28);

  Command3Click(f, db);
  EXPECT_EQ(f.order, PlayerOrder::Name);
  EXPECT_EQ(f.focus, "text1");
  EXPECT_EQ(f.List1.lines[1].value, 3);  // Anna, Bo, Cy, ...
  EXPECT_EQ(f.List1.lines[1].line.substr(f.List1.lines[1].line.size() - 2), " D");
  for (const auto& item : f.List1.lines) EXPECT_NE(item.value, 4);
}

TEST_F(PlayerFormTest, AlphaSearchAndBackToNewPlayers) {
  Option4Click(f, db);
  EXPECT_EQ(f.order, PlayerOrder::Name);
  f.text2.text = "pLAYER 12";
  text2Change(f);
  EXPECT_EQ(f.List1.selected.size(), 10u);  // Player 120 to 129
  EXPECT_EQ(f.List1.lines[static_cast<size_t>(f.List1.selected[0])].value, 20);
  f.text2.text = "";
  text2Change(f);
  EXPECT_TRUE(f.List1.selected.empty());

  Command3Click(f, db);
  EXPECT_EQ(f.mode, PlayerMode::NewPlayer);
  EXPECT_TRUE(f.Option1.value);
  EXPECT_EQ(f.order, PlayerOrder::SysId);
  EXPECT_TRUE(f.Label11.visible);
  EXPECT_EQ(f.List1.selected, std::vector<int>{0});
  EXPECT_EQ(f.focus, "text2");

  // Option1 from name order rebuilds the Sys Id order with the info in 10 columns.
  Command3Click(f, db);
  Option1Click(f, db);
  EXPECT_EQ(Line(0), SysIdOrderLine(1, db.players[1], InfoColumn::Right10));
  EXPECT_EQ(f.Label10.caption, SysIdOrderHeader());
  EXPECT_EQ(f.List1.selected, std::vector<int>{29});
}

// A player found by alpha search and taken into the fields must not be
// saved again as a new player once the reverse sort returns to that mode.
TEST_F(PlayerFormTest, ReverseSortFromAlphaSearchEmptiesTheFields) {
  Option4Click(f, db);
  f.text2.text = "bo";
  text2Change(f);
  List1DblClick(f, db, f.List1.selected.at(0));
  ASSERT_EQ(f.text2.text, "Bo Lund");
  Command3Click(f, db);
  EXPECT_EQ(f.mode, PlayerMode::NewPlayer);
  EXPECT_EQ(f.text1.text, "31");
  for (const TextBox* t : {&f.text2, &f.text3, &f.text4}) EXPECT_EQ(t->text, "");
  EXPECT_EQ(f.Text5.text, "1600");
  Command1Click(f, db, dialogs);
  EXPECT_EQ(db.players.PlayerCount, 30);
  EXPECT_EQ(f.focus, "text2");
}

TEST_F(PlayerFormTest, ANewPlayerJoinsTheListAndTheFieldsStartAgain) {
  f.text2.text = "Dag Moe";
  f.Check1.value = true;
  f.text4.text = "1";
  Command1Click(f, db, dialogs);
  ASSERT_EQ(db.players.PlayerCount, 31);
  EXPECT_EQ(f.List1.lines.size(), 31u);
  EXPECT_EQ(Line(30), "  31 Dag Moe                  1600  999999          ");
  EXPECT_EQ(f.List1.selected, std::vector<int>{30});
  EXPECT_EQ(f.text1.text, "32");
  EXPECT_EQ(f.text3.text, "");
  EXPECT_EQ(f.Text5.text, "1600");
  EXPECT_EQ(f.focus, "text2");

  // Out of range in change mode shows Pic1; typing a Sys Id hides it.
  Option2Click(f, db);
  f.text1.text = "40";
  Command1Click(f, db, dialogs);
  EXPECT_TRUE(f.Pic1.visible);
  EXPECT_EQ(dialogs.Beeps(), 1);
  text1Change(f);
  EXPECT_FALSE(f.Pic1.visible);
}

TEST_F(PlayerFormTest, WithNoPlayersChangeAndDeleteStayWithNewPlayers) {
  Database empty;
  empty.setup = db.setup;
  PlayerForm g;
  PlayerFormLoad(g, empty);
  Option2Click(g, empty);
  EXPECT_EQ(g.mode, PlayerMode::NewPlayer);
  Option3Click(g, empty);
  EXPECT_EQ(g.mode, PlayerMode::NewPlayer);
  EXPECT_EQ(g.text1.text, "1");
}

}  // namespace
}  // namespace hrs
