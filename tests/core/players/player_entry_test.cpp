#include <gtest/gtest.h>

#include <filesystem>

#include "core/data/player_file.h"
#include "core/players/player_entry.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

struct PlayerEntryTest : ::testing::Test {
  void SetUp() override {
    db.location = dir.Location();
    db.setup = SetupRecord::Created(2026);
    for (int id = 1; id <= PlayerCapacity; ++id) db.stats.At(id, 1) = 1600;
  }
  // Enters a player the way the window does in new-player mode.
  EntryOutcome New(const std::string& name, const std::string& mbShip, std::string rating = "1600") {
    PlayerEntry e{PlayerMode::NewPlayer, std::to_string(db.players.PlayerCount + 1), name, "Club", mbShip, rating};
    return SavePlayerEntry(e, db, dialogs);
  }
  EntryOutcome Delete(int id) {
    const PlayerRecord& p = db.players[id];
    PlayerEntry e{PlayerMode::Delete, std::to_string(id), p.Name.str(), p.Info.str(), std::to_string(p.MbShipNo),
                  std::to_string(p.StartRating)};
    return SavePlayerEntry(e, db, dialogs);
  }
  TempDir dir;
  Database db;
  ScriptedDialogs dialogs;
};

TEST_F(PlayerEntryTest, MembershipNumbers) {
  const struct {
    const char* typed;
    int32_t stored;      // 0: refused
    const char* message; // "" : refused or saved without one
  } cases[] = {
      {"1", NoMembership, ""},
      {"9999", 0, "Membership number must be 5 - 8 digits"},
      {"10000", 10000, ""},
      {"123456789", 123456789, ""},
      {"99999999999", 0, "Membership number must be 5 - 8 digits"},
      {"12a45", 0, "Membership number must be numeric"},
      {"", 0, ""},
  };
  for (const auto& c : cases) {
    dialogs.Clear();
    const int before = db.players.PlayerCount;
    const EntryOutcome out = New("Player " + std::string(c.typed), c.typed);
    EXPECT_EQ(out.saved, c.stored != 0) << c.typed;
    if (out.saved) EXPECT_EQ(db.players[out.sysId].MbShipNo, c.stored) << c.typed;
    else EXPECT_EQ(out.focus, "text4") << c.typed;
    EXPECT_EQ(db.players.PlayerCount, before + (out.saved ? 1 : 0));
    const std::vector<std::string> said = *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
    EXPECT_EQ(dialogs.Messages(), said) << c.typed;
  }
}

TEST_F(PlayerEntryTest, ANewPlayerIsOneAppendedLineStartingFromHisRating) {
  ASSERT_TRUE(New("Anna Berg", "12345").saved);
  EXPECT_EQ(dir.Read("player.hrs"), "1,\"Anna Berg\",\"Club\",12345,1600,1600,0,0,0,0,0,\r\n");
  PlayerEntry e{PlayerMode::NewPlayer, "2", "  Bo Lund ", "ignored", "", "1750", true, true};
  const EntryOutcome out = SavePlayerEntry(e, db, dialogs);
  ASSERT_TRUE(out.saved);
  EXPECT_EQ(out.sysId, 2);
  EXPECT_EQ(dir.Read("player.hrs"), "1,\"Anna Berg\",\"Club\",12345,1600,1600,0,0,0,0,0,\r\n"
                                    "2,\"Bo Lund\",\" \",999999,1750,1750,0,0,0,0,0,\r\n");
  EXPECT_EQ(db.players.ActiveCount, 2);
  EXPECT_EQ(dir.Read("ratstat.hrs"), "1600,0,0,0,0,0,0,0,0,0,0,0,0\r\n1750,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
}

TEST_F(PlayerEntryTest, RefusalsWithoutMessage) {
  const struct {
    const char* name;
    const char* rating;
    const char* focus;
    const char* ratingAfter;
  } cases[] = {
      {"A", "1600", "text2", "1600"},        // one character
      {"  A  ", "1600", "text2", "1600"},    // one character once trimmed
      {"Al", "x", "Text5", "x"},
      {"Al", "1599", "Text5", "1600"},       // below the first rating: put back
      {"Al", "2100", "Text5", "1600"},
  };
  for (const auto& c : cases) {
    dialogs.Clear();
    PlayerEntry e{PlayerMode::NewPlayer, "1", c.name, "", "", c.rating, false, true};
    const EntryOutcome out = SavePlayerEntry(e, db, dialogs);
    EXPECT_FALSE(out.saved) << c.name << c.rating;
    EXPECT_EQ(out.focus, c.focus) << c.name << c.rating;
    EXPECT_EQ(e.Text5, c.ratingAfter);
    EXPECT_TRUE(dialogs.Messages().empty());
  }
  EXPECT_EQ(db.players.PlayerCount, 0);
  EXPECT_FALSE(dir.Exists("player.hrs"));
}

TEST_F(PlayerEntryTest, ASharedMembershipNumberIsRefusedAndOnesOwnKept) {
  ASSERT_TRUE(New("Anna Berg", "12345").saved);
  ASSERT_TRUE(New("Bo Lund", "23456").saved);
  dialogs.Clear();
  EXPECT_FALSE(New("Cy Dee", "12345").saved);
  ASSERT_EQ(dialogs.MessageCalls().size(), 1u);
  EXPECT_EQ(dialogs.MessageCalls()[0].text, "This membership number is used by\rSys No 1 Anna Berg");
  EXPECT_EQ(dialogs.MessageCalls()[0].icon, Icon::Warning);

  PlayerEntry change{PlayerMode::Change, "1", "Anna Berg-Lund", "", "12345", "1610"};
  ASSERT_TRUE(SavePlayerEntry(change, db, dialogs).saved);
  EXPECT_EQ(db.players[1].Name.str(), "Anna Berg-Lund");
  EXPECT_EQ(db.players[1].StartRating, 1610);
  EXPECT_EQ(db.players[1].Rating, 1600);  // the rating is the calculation's
  PlayerEntry taken{PlayerMode::Change, "2", "Bo Lund", "", "12345", "1600"};
  EXPECT_FALSE(SavePlayerEntry(taken, db, dialogs).saved);
  EXPECT_EQ(dir.Read("player.hrs").substr(0, 40), "1,\"Anna Berg-Lund\",\"\",12345,1610,1600,0,");
}

TEST_F(PlayerEntryTest, DeletingTwiceAndOutsideTheTable) {
  ASSERT_TRUE(New("Anna Berg", "12345").saved);
  ASSERT_TRUE(Delete(1).saved);
  EXPECT_EQ(db.players[1].Status, StatusDeleted);
  EXPECT_EQ(db.players.ActiveCount, 0);
  EXPECT_EQ(dir.Read("player.hrs"), "1,\"Anna Berg\",\"Club\",12345,1600,1600,99,0,0,0,0,\r\n");
  dialogs.Clear();
  const EntryOutcome again = Delete(1);
  EXPECT_FALSE(again.saved);
  EXPECT_EQ(again.focus, "text1");
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"This player is deleted already"});
  EXPECT_EQ(db.players.ActiveCount, 0);

  PlayerEntry outside{PlayerMode::Delete, "2", "Xy Zed", "", "1", "1600"};
  const EntryOutcome out = SavePlayerEntry(outside, db, dialogs);
  EXPECT_TRUE(out.showPic1);
  EXPECT_EQ(out.focus, "text1");
}

TEST_F(PlayerEntryTest, AVoidSysIdIsReusedAsANewPlayer) {
  ASSERT_TRUE(New("Anna Berg", "12345").saved);
  ASSERT_TRUE(New("Bo Lund", "23456").saved);
  PlayerRecord& v = db.players[1];
  v.Name = TextField::Of(" ");
  v.Status = StatusVoid;
  v.MbShipNo = NoMembership;
  v.Rating = 0;
  v.Won = 3;
  v.CarriedCounts = TextField::Zero();
  db.players.ActiveCount = 1;
  db.stats.At(1, 5) = 1580;
  PlayerEntry e{PlayerMode::Change, "1", "Cy Dee", "New", "34567", "1700"};
  const EntryOutcome out = SavePlayerEntry(e, db, dialogs);
  ASSERT_TRUE(out.saved);
  EXPECT_TRUE(out.reused);
  EXPECT_EQ(db.players.PlayerCount, 2);
  EXPECT_EQ(db.players.ActiveCount, 2);
  EXPECT_EQ(PlayerLine(db.players[1]), "1,\"Cy Dee\",\"New\",34567,1700,1700,0,0,0,0,0,\r\n");
  EXPECT_EQ(dir.Read("ratstat.hrs").substr(0, 31), "1700,0,0,0,0,0,0,0,0,0,0,0,0\r\n1");
}

TEST_F(PlayerEntryTest, TextThatWouldBreakTheFileIsRefused) {
  for (const auto& [name, info, focus] : std::vector<std::tuple<std::string, std::string, std::string>>{
           {"Anna \"Ace\" Berg", "", "text2"}, {"Anna\rBerg", "", "text2"}, {"Anna Berg", "a\nb", "text3"}}) {
    PlayerEntry e{PlayerMode::NewPlayer, "1", name, info, "", "1600", false, true};
    const EntryOutcome out = SavePlayerEntry(e, db, dialogs);
    EXPECT_FALSE(out.saved);
    EXPECT_EQ(out.focus, focus);
  }
  // A comma is stored and reads back as typed.
  PlayerEntry e{PlayerMode::NewPlayer, "1", "Berg, Anna", "Tue, Thu", "", "1600", false, true};
  ASSERT_TRUE(SavePlayerEntry(e, db, dialogs).saved);
  PlayerTable back;
  ASSERT_EQ(ParsePlayerFile(dir.Read("player.hrs"), back), PlayerParse::Ok);
  EXPECT_EQ(back[1].Name.str(), "Berg, Anna");
  EXPECT_EQ(back[1].Info.str(), "Tue, Thu");
}

TEST_F(PlayerEntryTest, AFileThatCannotBeWrittenLeavesTableAndFileAsTheyWere) {
  ASSERT_TRUE(New("Anna Berg", "12345").saved);
  const std::string before = dir.Read("player.hrs");
  db.location.dataDir = dir.path() / "gone";  // nothing can be written there
  dialogs.Clear();
  EXPECT_FALSE(New("Bo Lund", "23456").saved);
  EXPECT_FALSE(Delete(1).saved);
  EXPECT_EQ(db.players.PlayerCount, 1);
  EXPECT_EQ(db.players.ActiveCount, 1);
  EXPECT_EQ(db.players[1].Status, StatusActive);
  EXPECT_EQ(db.players[2], PlayerRecord{});
  ASSERT_EQ(dialogs.Messages().size(), 2u);
  EXPECT_EQ(dialogs.Messages()[1].rfind("The player file could not be written.\r", 0), 0u);
  EXPECT_NE(dialogs.Messages()[1].find("\r\rThe player is not deleted."), std::string::npos);
  EXPECT_EQ(dir.Read("player.hrs"), before);
}

TEST_F(PlayerEntryTest, TheTableNeverHoldsMoreThanItsCapacity) {
  db.players.PlayerCount = PlayerCapacity;
  const EntryOutcome out = New("Anna Berg", "12345");
  EXPECT_FALSE(out.saved);
  EXPECT_EQ(db.players.PlayerCount, PlayerCapacity);
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"The database of players is full: 1998 players.\r\r"
                                     "Void Sys Id's marked with 'V' can be re-used in Change mode."});
}

}  // namespace
}  // namespace hrs
