#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli/cli.h"
#include "core/utilities/util_club.h"

namespace hrs {
namespace {

using test::CliRun;

struct CliClub : test::UtilClub {
  CliRun Cli(std::vector<std::string> args) { return test::RunCliOn(dir.path(), std::move(args), clock); }
};

TEST(UtilitiesCommands, SearchAndResults) {
  CliClub club;
  club.Month(6, "\"20260605\",\"561234\",\"2\",\" \"\r\n");
  auto run = club.Cli({"search", "BER"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "   2 bert                         1520   10002\n");
  EXPECT_EQ(club.Cli({"search", "qq"}).out, "No hits\n");
  run = club.Cli({"results", "2"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "Rating adjustments for: 2 bert\n"
            "20260605  561234 LOST Anna                       2\n");
  run = club.Cli({"results", "77777"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Player not found\n");
  EXPECT_EQ(club.Cli({"results"}).status, 1);
}

TEST(UtilitiesCommands, DeleteResult) {
  CliClub club;
  club.Month(6, "\"20260605\",\"1\",\"2\",\"X\"\r\n\"20260606\",\"1\",\"2\",\" \"\r\n");
  auto run = club.Cli({"delete-result", "20260605", "2", "1", "--draw"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(club.MonthFile(6), "\"20260606\",\"1\",\"2\",\" \"\r\n");
  run = club.Cli({"delete-result", "20260606", "2", "1"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Transaction not found in a month file\n");
  EXPECT_EQ(club.Cli({"delete-result", "2026066", "2", "1"}).status, 1);
}

TEST(UtilitiesCommands, NewYearAndResetRatings) {
  CliClub club;
  auto run = club.Cli({"new-year", "--carry"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("Maybe your System Clock is not running correctly."), std::string::npos);
  EXPECT_EQ(club.Cli({"new-year"}).status, 1);
  club.clock.Set({{2027, 1, 3}, 10, 0, 0});
  run = club.Cli({"new-year", "--no-carry"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(club.dir.Exists("player2026.hrs"));
  EXPECT_NE(club.dir.Read("rfast.hrs").find(",2027,"), std::string::npos);

  EXPECT_EQ(club.Cli({"reset-ratings"}).status, 3);
  run = club.Cli({"reset-ratings", "--yes"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Operation successfully completed"), std::string::npos);
  EXPECT_EQ(club.dir.Read(RegistryFileName(2027)), "\"No QTP files\"\r\n");
}

}  // namespace
}  // namespace hrs
