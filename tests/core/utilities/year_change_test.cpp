#include <gtest/gtest.h>

#include <map>

#include "core/data/file_io.h"
#include "core/rating/calculate_ratings.h"
#include "core/utilities/change_to_default.h"
#include "core/utilities/new_year.h"
#include "core/utilities/util_club.h"

namespace hrs {
namespace {

const std::string BackupLine2026 = "The files as they were before are kept in the folder backup/20261208-143000.";

std::map<std::string, std::string> Snapshot(const test::TempDir& dir) {
  std::map<std::string, std::string> files;
  for (const auto& name : dir.Files()) files[name] = dir.Read(name);
  return files;
}

TEST(CarriedCounts, WonDrawnLostAddedUpWithTheLostPartRightAligned) {
  const struct {
    TextField carried;
    int won, drawn, lost;
    const char* totals;
  } cases[] = {
      {TextField::Unset(), 3, 1, 2, "00030010002"},
      {TextField::Zero(), 3, 1, 2, "00030010002"},
      {TextField::Of("00030010002"), 1, 0, 5, "0004001   7"},
      {TextField::Of("0004001   7"), 10, 2, 100, "0014003 107"},
  };
  for (const auto& c : cases) EXPECT_EQ(CarriedTotals(c.carried, c.won, c.drawn, c.lost), c.totals) << c.totals;
}

TEST(ChangeToDefault, RestartsTheYearAndSetsItsFilesAside) {
  test::UtilClub club;
  club.db.players[1].Won = 3;
  club.db.players[1].CarriedCounts = TextField::Of("00010010001");
  club.db.setup.LatestCount = 77;
  club.SaveAll();
  club.Month(6, "\"20260605\",\"1\",\"2\",\" \"\r\n");
  club.Month(7, "\"20260705\",\"2\",\"1\",\" \"\r\n");
  club.Registry({"RQTP0001.DAT"});
  club.Tournament("RQTP0001.DAT", "20260301", {"2,1,1,2,\" \""});
  club.dir.Write("orank.hrs", "#2026-01-01 10:00:00#\r\n1\r\n");
  const std::string players = club.dir.Read("player.hrs");

  Option4Click(club.form);
  EXPECT_EQ(club.form.listWidthTwips, 6175);
  EXPECT_FALSE(club.form.Command5.enabled);
  Command1Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{ChangeToDefaultDoneMessage() + "\r\r" + BackupLine2026});
  for (int id = 1; id <= 4; ++id) {
    const PlayerRecord& p = club.db.players[id];
    EXPECT_EQ(p.Rating, 1600);
    EXPECT_EQ(p.StartRating, 1600);
    EXPECT_EQ(p.PrevRating, 1600);
    EXPECT_EQ(p.Won, 0);
    EXPECT_EQ(p.CarriedCounts, TextField::Zero());
    EXPECT_EQ(club.db.stats.At(id, 1), 1600);
  }
  // The deleted player is void, his Sys Id kept with an empty name.
  EXPECT_EQ(club.db.players[4].Status, StatusVoid);
  EXPECT_EQ(club.db.players[4].Name.str(), "");
  EXPECT_EQ(club.db.players.PlayerCount, 4);
  EXPECT_EQ(club.db.setup.LatestCount, 0);
  EXPECT_EQ(club.dir.Read("player2026.old"), players);
  EXPECT_EQ(club.dir.Read("qtpr2026.old"), "\"RQTP0001.DAT\"\r\n");
  EXPECT_EQ(club.dir.Read("RS202606.old"), "\"20260605\",\"1\",\"2\",\" \"\r\n");
  EXPECT_TRUE(club.dir.Exists("RS202607.old"));
  EXPECT_FALSE(club.dir.Exists("RS202606.DAT"));
  EXPECT_TRUE(club.dir.Exists("orank.old"));
  EXPECT_EQ(club.dir.Read(RegistryFileName(2026)), "\"No QTP files\"\r\n");
  EXPECT_EQ(club.dir.Read("backup/20261208-143000/player.hrs"), players);
  EXPECT_TRUE(club.dir.Exists("backup/20261208-143000/RS202606.DAT"));

  // A calculation afterwards finds nothing and starts everyone from the default.
  CalculateRatings(club.db, 1, 12, club.dialogs, club.clock, {});
  for (int id = 1; id <= 3; ++id) EXPECT_EQ(club.db.players[id].Rating, 1600);

  // The second run: a month file written meanwhile keeps its name, the copies are replaced.
  club.Month(6, "\"20260606\",\"1\",\"3\",\" \"\r\n");
  club.clock.Set({{2026, 12, 8}, 15, 0, 0});
  club.dialogs.Clear();
  EXPECT_TRUE(ChangeRatingsToDefault(club.db, club.dialogs, club.clock));
  EXPECT_EQ(club.dialogs.Messages(),
            std::vector<std::string>{
                "Operation successfully completed\rAll ratings have been changed to the default\r"
                "Deleted players have been changed to void\r\r"
                "The collection of rating adjusting tournaments has been emptied.\r"
                "These month files were kept with their results,\ras their .old names are taken already:\r"
                "RS202606.DAT\r\rAll other old files have been renamed .old\r\r"
                "The files as they were before are kept in the folder backup/20261208-150000."});
  EXPECT_EQ(club.dir.Read("RS202606.DAT"), "\"20260606\",\"1\",\"3\",\" \"\r\n");
  EXPECT_EQ(club.dir.Read("RS202606.old"), "\"20260605\",\"1\",\"2\",\" \"\r\n");
  EXPECT_EQ(club.dir.Read("qtpr2026.old"), "\"No QTP files\"\r\n");
  EXPECT_TRUE(club.dir.Exists("backup/20261208-150000/player2026.old"));
}

struct NewYearTest : ::testing::Test {
  test::UtilClub club;
  void SetUp() override {
    club.db.setup.RatingYear = 1997;
    PlayerRecord& anna = club.db.players[1];
    anna.Rating = 1655;
    anna.Won = 3;
    anna.Drawn = 1;
    anna.Lost = 2;
    club.db.players[2].CarriedCounts = TextField::Of("00030010002");
    club.db.players[2].Won = 1;
    club.db.players[2].Lost = 5;
    for (int c = 1; c <= 13; ++c) club.db.stats.At(1, c) = 1610;
    club.SaveAll();
    club.clock.Set({{1998, 1, 2}, 9, 0, 0});
  }
};

TEST_F(NewYearTest, OnlyInTheCalendarYearAfterTheRatingYear) {
  for (int calendarYear : {1997, 1999}) {
    club.clock.Set({{calendarYear, 6, 1}, 9, 0, 0});
    const auto before = Snapshot(club.dir);
    club.dialogs.Clear();
    Option6Click(club.form, club.db, club.dialogs, club.clock);
    const auto calls = club.dialogs.MessageCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, WrongClockMessage());
    EXPECT_EQ(calls[0].title, "Invalid request for New Year conversion");
    EXPECT_EQ(calls[0].icon, Icon::Question);
    EXPECT_EQ(Snapshot(club.dir), before);
    EXPECT_EQ(club.db.setup.RatingYear, 1997);
    // Back in the Rating Adjustments option.
    EXPECT_EQ(club.form.option, UtilOption::RatingAdjustments);
    EXPECT_TRUE(club.form.Text1.enabled);
    EXPECT_TRUE(club.form.List1.enabled);
    EXPECT_EQ(club.form.focus, "Text1");
  }
  club.clock.Set({{1998, 1, 2}, 9, 0, 0});
  club.dialogs.Clear();
  club.dialogs.Answer(Answer::Yes);
  club.dialogs.Answer(Answer::Cancel);
  const auto before = Snapshot(club.dir);
  Option6Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.dialogs.Messages().back(), "Please confirm shift of rating year from 1997 to 1998");
  EXPECT_EQ(Snapshot(club.dir), before);
}

TEST_F(NewYearTest, EndRatingsBecomeStartRatingsAndTheCountsAreCarried) {
  const std::string oldPlayers = club.dir.Read("player.hrs");
  club.dialogs.Answer(Answer::Yes);
  club.dialogs.Answer(Answer::Ok);
  Option6Click(club.form, club.db, club.dialogs, club.clock);
  const auto calls = club.dialogs.MessageCalls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].title, "Carry wins and losses?");
  EXPECT_EQ(calls[0].buttons, Buttons::YesNo);
  EXPECT_EQ(calls[1].title, "New Year conversion");
  EXPECT_EQ(calls[2].text,
            "New Year conversion successfully completed.\r"
            "Old file of players has been backed up as 'player1997.hrs'\r"
            "Void Sys Id's for all deleted players are ready for new\r"
            "players using the Change option from the Edit/Players menu.\r"
            "The files as they were before are kept in the folder backup/19980102-090000.");
  const PlayerRecord& anna = club.db.players[1];
  EXPECT_EQ(anna.StartRating, 1655);
  EXPECT_EQ(anna.CarriedCounts, TextField::Of("00030010002"));
  EXPECT_EQ(anna.Won + anna.Drawn + anna.Lost, 0);
  EXPECT_EQ(club.db.players[2].CarriedCounts, TextField::Of("0004001   7"));
  EXPECT_EQ(club.db.stats.At(1, 1), 1655);
  EXPECT_EQ(club.db.stats.At(1, 5), 0);
  // The deleted player is a void entry from the default.
  const PlayerRecord& dora = club.db.players[4];
  EXPECT_EQ(dora.Status, StatusVoid);
  EXPECT_EQ(dora.Name.str(), " ");
  EXPECT_EQ(dora.StartRating, 1600);
  EXPECT_EQ(dora.Rating, 0);
  EXPECT_EQ(dora.MbShipNo, 0);
  EXPECT_EQ(club.db.setup.RatingYear, 1998);
  // What is on file is what is in memory; the year copy is the old file.
  EXPECT_EQ(club.dir.Read("player.hrs"), PlayerFileBytes(club.db.players));
  EXPECT_EQ(club.dir.Read("ratstat.hrs"), RatingStatsBytes(club.db.stats, 4));
  EXPECT_EQ(club.dir.Read("rfast.hrs"), SetupFileBytes(club.db.setup));
  EXPECT_EQ(club.dir.Read("player1997.hrs"), oldPlayers);
  EXPECT_EQ(club.dir.Read("backup/19980102-090000/player.hrs"), oldPlayers);
  EXPECT_EQ(club.form.option, UtilOption::RatingAdjustments);
}

TEST_F(NewYearTest, WithoutCarryTheCountsAreCleared) {
  club.dialogs.Answer(Answer::No);
  club.dialogs.Answer(Answer::Ok);
  EXPECT_EQ(RunNewYearConversion(club.db, club.dialogs, club.clock), NewYear::Done);
  EXPECT_EQ(club.db.players[1].CarriedCounts, TextField::Zero());
  EXPECT_EQ(club.db.players[2].CarriedCounts, TextField::Zero());
}

// A failure at any file-changing step leaves every file and the data in memory as they were.
TEST_F(NewYearTest, FailingAtEveryWriteStepChangesNothing) {
  int tried = 0;
  for (int step = 1;; ++step) {
    test::UtilClub fresh;
    fresh.db = club.db;
    fresh.db.location = fresh.dir.Location();
    fresh.SaveAll();
    fresh.dir.Write("player1997.hrs", "an older copy\r\n");
    const auto before = Snapshot(fresh.dir);
    const Database memory = fresh.db;
    FailWriteStepForTest(step);
    const NewYear out = RunNewYearConversion(fresh.db, fresh.dialogs, club.clock);
    const int steps = WriteStepsForTest();
    FailWriteStepForTest(0);
    if (step > steps) {
      EXPECT_EQ(out, NewYear::Done);
      break;
    }
    ++tried;
    EXPECT_EQ(out, NewYear::Failed) << step;
    EXPECT_EQ(Snapshot(fresh.dir), before) << step;
    EXPECT_EQ(fresh.db.players.records, memory.players.records) << step;
    EXPECT_EQ(fresh.db.stats.rows, memory.stats.rows) << step;
    EXPECT_EQ(fresh.db.setup, memory.setup) << step;
    const auto messages = fresh.dialogs.Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.back() == NewYearFailedMessage() ||
                messages.back().rfind("No backup copy of the data files could be made", 0) == 0)
        << messages.back();
  }
  EXPECT_GE(tried, 20);
}

}  // namespace
}  // namespace hrs
