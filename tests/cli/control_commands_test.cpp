#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli/cli.h"
#include "core/control/control_club.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"

namespace hrs {
namespace {

using test::CliRun;

// A saved club: players 1 and 2 active, 3 deleted; one June result.
struct SavedControlClub : test::ControlClub {
  SavedControlClub() : ControlClub(2) {
    AddPlayer("Gone", 1500, 10003, StatusDeleted);
    SaveAll();
    dir.Write(MonthFileName(2026, 6), "\"20260601\",\"2\",\"1\",\" \"\r\n");
  }
  CliRun Cli(std::vector<std::string> args) { return test::RunCliOn(dir.path(), std::move(args), clock); }
};

TEST(AddResultCommand, SavesLikeTheKeyboardEntry) {
  SavedControlClub club;
  auto run = club.Cli({"add-result", "10001", "2", "--draw"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "RS202612.DAT\n");
  run = club.Cli({"add-result", "--date", "20260615", "1", "2"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(club.MonthFile(12), "\"20261208\",\"1\",\"2\",\"X\"\r\n");
  EXPECT_EQ(club.MonthFile(6), "\"20260601\",\"2\",\"1\",\" \"\r\n\"20260615\",\"1\",\"2\",\" \"\r\n");
}

TEST(AddResultCommand, RefusalsAndQuestions) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;  // the start of stderr
  };
  const std::vector<Case> cases = {
      {{"add-result", "1"}, 1, "hrs-cli add-result: give the winner and the loser"},
      {{"add-result", "--date", "2026061", "1", "2"}, 1, "hrs-cli add-result: --date takes a date YYYYMMDD"},
      {{"add-result", "1", "2", "3"}, 1, "hrs-cli add-result: unexpected argument \"3\""},
      {{"add-result", "1", "1"}, 2, "The winner and the loser are the same\nNothing was written.\n"},
      {{"add-result", "1", "x\"y"}, 2, "The loser id is not a number\n"},
      {{"add-result", "--date", "20261209", "1", "2"}, 2, "Are you a fortune teller?\n"},
      {{"add-result", "--date", "20240101", "1", "2"}, 2, "The year must be from 1996"},
      {{"add-result", "9999", "2"}, 2, "Winner number does not exist\nNothing was written.\n"},
      {{"add-result", "1", "3"}, 3, "Player 3 is deleted\nIs the result valid?\n(answered Cancel)\n"},
  };
  for (const auto& c : cases) {
    SavedControlClub club;
    const auto run = club.Cli(c.args);
    SCOPED_TRACE(c.args.back());
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(club.dir.Exists(MonthFileName(2026, 12)));
  }
  SavedControlClub club;
  EXPECT_EQ(club.Cli({"add-result", "1", "3", "--deleted-ok"}).status, 0);
  EXPECT_EQ(club.MonthFile(12), "\"20261208\",\"1\",\"3\",\" \"\r\n");
}

TEST(OverviewCommand, FilesMonthAndNothing) {
  SavedControlClub club;
  auto run = club.Cli({"overview"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "RS2026-06.DAT\n\nNo Qtp Files\n");
  // The registry is made as the window's File Overview makes it.
  EXPECT_EQ(club.dir.Read(RegistryFileName(2026)), "\"No QTP files\"\r\n");
  run = club.Cli({"overview", "--month", "6"});
  EXPECT_EQ(run.out, " Day  Winner   Loser Draw\n01       2       1    \n");
  run = club.Cli({"overview", "--month", "7"});
  EXPECT_EQ(run.out, "No results to show\n");
  EXPECT_EQ(club.Cli({"overview", "--month", "13"}).status, 1);
}

TEST(CountCommand, PrintsAndKeepsTheCount) {
  SavedControlClub club;
  const auto run = club.Cli({"count"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, " 1 validated duels \n");
  EXPECT_EQ(ParseSetupFile(club.dir.Read(SetupFile))->LatestCount, 1);
  EXPECT_NE(club.Cli({"status"}).out.find("  Latest count      1 duels"), std::string::npos);
}

}  // namespace
}  // namespace hrs
