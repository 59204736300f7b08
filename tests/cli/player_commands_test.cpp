#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli/cli.h"
#include "support/fixed_clock.h"
#include "support/temp_dir.h"

namespace hrs::cli {
namespace {

using test::FixedClock;
using test::TempDir;

using test::CliRun;

struct PlayerCommands : ::testing::Test {
  void SetUp() override { ASSERT_EQ(Cli({"init"}).status, ExitOk); }
  CliRun Cli(std::vector<std::string> args) { return test::RunCliOn(dir.path(), std::move(args), clock); }
  TempDir dir;
  FixedClock clock;
};

TEST_F(PlayerCommands, AddPlayerOnAnEmptyClubThenDeleteHim) {
  // The first player: the empty club is taken without a word, and the
  // info left out is stored empty, as the window stores an empty field.
  auto r = Cli({"add-player", "Anna Berg", "--mbship", "12345"});
  ASSERT_EQ(r.status, ExitOk) << r.err;
  EXPECT_EQ(r.out, "1\n");
  EXPECT_EQ(r.err, "");
  r = Cli({"add-player", "Bo Lund", "--no-mbship", "--info", "Tue, Thu", "--rating", "1750"});
  ASSERT_EQ(r.status, ExitOk) << r.err;
  EXPECT_EQ(r.out, "2\n");
  ASSERT_EQ(Cli({"add-player", "Cy Dahl", "--no-mbship", "--info", " "}).status, ExitOk);
  EXPECT_EQ(dir.Read("player.hrs"),
            "1,\"Anna Berg\",\"\",12345,1600,1600,0,0,0,0,0,\r\n"
            "2,\"Bo Lund\",\"Tue, Thu\",999999,1750,1750,0,0,0,0,0,\r\n"
            "3,\"Cy Dahl\",\"\",999999,1600,1600,0,0,0,0,0,\r\n");
  EXPECT_EQ(dir.Read("ratstat.hrs"),
            "1600,0,0,0,0,0,0,0,0,0,0,0,0\r\n1750,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
            "1600,0,0,0,0,0,0,0,0,0,0,0,0\r\n");

  r = Cli({"delete-player", "1"});
  ASSERT_EQ(r.status, ExitOk) << r.err;
  EXPECT_EQ(r.out, "Deleted Sys Id 1 Anna Berg\n");
  EXPECT_NE(dir.Read("player.hrs").find("1600,1600,99,"), std::string::npos);
}

TEST_F(PlayerCommands, AnyLettersAreNamesAndShowPrintsThemInUtf8) {
  ASSERT_EQ(Cli({"add-player", "Søren Ærø", "--mbship", "12345", "--info", "Ærøskøbing"}).status, ExitOk);
  // A terminal in the Windows code page.
  ASSERT_EQ(Cli({"add-player", "J\xFCrgen M\xFCller", "--mbship", "23456"}).status, ExitOk);
  ASSERT_EQ(Cli({"add-player", "Łu", "--no-mbship"}).status, ExitOk) << "two letters are enough";
  EXPECT_EQ(dir.Read("player.hrs"),
            "1,\"Søren Ærø\",\"Ærøskøbing\",12345,1600,1600,0,0,0,0,0,\r\n"
            "2,\"Jürgen Müller\",\"\",23456,1600,1600,0,0,0,0,0,\r\n"
            "3,\"Łu\",\"\",999999,1600,1600,0,0,0,0,0,\r\n");
  EXPECT_EQ(Cli({"show", "master-name"}).out,
            " Name                          Id Rate  MbShip  Info\n"
            "Jürgen Müller                   2 1600   23456           \n"
            "Søren Ærø                       1 1600   12345 Ærøskøbing\n"
            "Łu                              3 1600  999999           \n");
}

TEST_F(PlayerCommands, RefusalsWriteNothing) {
  ASSERT_EQ(Cli({"add-player", "Anna Berg", "--mbship", "12345"}).status, ExitOk);
  const std::string before = dir.Read("player.hrs");
  const struct {
    std::vector<std::string> args;
    int status;
    const char* says;
  } cases[] = {
      {{"add-player", "Bo Lund"}, ExitUsage, "Usage: hrs-cli"},
      {{"add-player", "Bo Lund", "--mbship", "1", "--no-mbship"}, ExitUsage, "once"},
      {{"add-player", "B", "--no-mbship"}, ExitDataProblem, "The name must have at least 2 characters."},
      {{"add-player", "Bo Lund", "--mbship", "12345"}, ExitDataProblem, "This membership number is used by\nSys No 1"},
      {{"add-player", "Bo Lund", "--mbship", "9999"}, ExitDataProblem, "Membership number must be 5 - 8 digits"},
      {{"add-player", "Bo Lund", "--no-mbship", "--rating", "2100"}, ExitDataProblem, "from 1600 to 2099"},
      {{"delete-player", "5"}, ExitDataProblem, "There is no player with System ID 5"},
      {{"delete-player"}, ExitUsage, "Usage: hrs-cli"},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args[0] << " " << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
  ASSERT_EQ(Cli({"delete-player", "1"}).status, ExitOk);
  const CliRun twice = Cli({"delete-player", "1"});
  EXPECT_EQ(twice.status, ExitDataProblem);
  EXPECT_NE(twice.err.find("This player is deleted already"), std::string::npos);
  EXPECT_NE(dir.Read("player.hrs"), before);
}

}  // namespace
}  // namespace hrs::cli
