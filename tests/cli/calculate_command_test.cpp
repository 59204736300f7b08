#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli/cli.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"
#include "core/rating/calc_form.h"
#include "core/rating/rating_club.h"

namespace hrs {
namespace {

using test::RatingClub;

using test::CliRun;

// A saved club of three players with one January result.
struct SavedClub : RatingClub {
  SavedClub() : RatingClub({1600, 1600, 1500}) {
    db.players[3].Name = TextField::Of("Carl");
    SaveAll();
    Result(1, 4, "1", "2");
  }
  CliRun Cli(std::vector<std::string> args) { return test::RunCliOn(dir.path(), std::move(args), clock); }
};

TEST(CalculateCommand, PrintsTheReportAndSaves) {
  SavedClub club;
  const auto run = club.Cli({"calculate"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Ratings successfully completed\n2 calculations performed\n"
            "including file handling and database update.\n100.0% of the filed results were used.\n");
  EXPECT_NE(club.dir.Read("player.hrs").find("1616,0,0,1,0,0,"), std::string::npos);

  const auto ranking = club.Cli({"ranking"});
  EXPECT_EQ(ranking.status, 0);
  EXPECT_EQ(ranking.out,
            "Rank  Rate Name                           Id\n"
            "   1  1616 Player 1                        1\n"
            "   2  1584 Player 2                        2\n"
            "   3  1500 Carl                            3\n");
}

TEST(CalculateCommand, UnvalidatedTournamentStopsUnlessSkipped) {
  SavedClub club;
  club.dir.Write("RQTP0003.DAT", "\"19970105\"\r\n2,1,0,0,\" \"\r\n");
  club.Registry({"RQTP0003.DAT"});
  const std::string players = club.dir.Read("player.hrs");
  auto run = club.Cli({"calculate", "--to", "1"});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(club.dir.Read("player.hrs"), players);
  EXPECT_NE(run.err.find("has not been\nvalidated"), std::string::npos);
  run = club.Cli({"calculate", "--to", "1", "--skip-unvalidated"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(club.dir.Read("player.hrs"), players);
}

TEST(CalculateCommand, RefusesBadMonthsAndMissingFiles) {
  SavedClub club;
  EXPECT_EQ(club.Cli({"calculate", "--from", "x"}).status, 1);
  EXPECT_EQ(club.Cli({"calculate", "--from", "5", "--to", "2"}).status, 1);
  EXPECT_EQ(club.Cli({"calculate", "--to"}).status, 1);
  EXPECT_NE(club.Cli({"calculate", "--help"}).out.find("--skip-unvalidated"), std::string::npos);
  std::filesystem::remove(club.dir.path() / "ratstat.hrs");
  EXPECT_EQ(club.Cli({"calculate"}).status, 2);
  EXPECT_FALSE(club.dir.Exists("ratstat.hrs"));  // creation refused, nothing written
}

// The command takes its months through the window's own checks: what the
// window turns a typed month into, the command does too, to the byte.
TEST(CalculateCommand, MonthsAsTheWindowTakesThem) {
  const std::pair<const char*, const char*> cases[] = {{"0", "12"}, {"13", "12"}, {"1", "0"}, {"01", "99"}};
  for (const auto& [from, to] : cases) {
    SavedClub window, command;
    for (SavedClub* club : {&window, &command}) club->Result(2, 7, "2", "1", "X");
    CalcForm form;
    CalcFormLoad(form, window.db, window.clock);
    form.Text2.text = from;
    form.Text3.text = to;
    const auto outcome = Command1Click(form, window.db, window.dialogs, window.clock);
    ASSERT_TRUE(outcome && !outcome->stopped) << from;
    const auto run = command.Cli({"calculate", "--from", from, "--to", to});
    EXPECT_EQ(run.status, 0) << from << " " << to << ": " << run.err;
    for (const char* file : {"player.hrs", "ratstat.hrs"})
      EXPECT_EQ(command.dir.Read(file), window.dir.Read(file)) << file << " " << from << " " << to;
  }
}

}  // namespace
}  // namespace hrs
