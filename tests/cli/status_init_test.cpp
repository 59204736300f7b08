#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/data/player_file.h"
#include "core/data/setup_file.h"
#include "support/fixed_clock.h"
#include "support/temp_dir.h"

namespace hrs::cli {
namespace {

using test::FixedClock;
using test::TempDir;

struct Run {
  int status;
  std::string out, err;
};

Run Cli(const TempDir& dir, std::vector<std::string> args, const Clock& clock) {
  std::ostringstream out, err;
  args.insert(args.begin(), {"--data", dir.path().string()});
  const int status = RunCli(args, out, err, clock);
  return {status, out.str(), err.str()};
}

TEST(CliInit, WritesFreshFilesAndRefusesWhereFilesExist) {
  TempDir dir;
  FixedClock clock({{2026, 12, 8}, 10, 0, 0});
  auto r = Cli(dir, {"init"}, clock);
  ASSERT_EQ(r.status, ExitOk) << r.err;
  EXPECT_EQ(dir.Read("rfast.hrs"),
            "\"The Best Ranking List\",1600,2026,0,400\r\n2099\r\n2399\r\n32\r\n24\r\n16\r\n\r\n0\r\n");
  EXPECT_EQ(dir.Read("player.hrs"), "");
  EXPECT_TRUE(dir.Exists("ratstat.hrs"));
  const std::string before = dir.Read("rfast.hrs");
  r = Cli(dir, {"init"}, clock);
  EXPECT_EQ(r.status, ExitDataProblem);
  EXPECT_EQ(dir.Read("rfast.hrs"), before);
}

TEST(CliStatus, PrintsDirectoryAndSummaryOfAFreshDatabase) {
  TempDir dir;
  FixedClock clock({{2026, 12, 8}, 10, 0, 0});
  ASSERT_EQ(Cli(dir, {"init"}, clock).status, ExitOk);
  auto r = Cli(dir, {"status"}, clock);
  ASSERT_EQ(r.status, ExitOk) << r.err;
  const std::string dirLine = dir.path().string().size() > 45
                                  ? dir.path().string().substr(dir.path().string().size() - 45)
                                  : dir.path().string();
  EXPECT_EQ(r.out, dirLine +
                       "\n\n Ranking List:\n  The Best Ranking List\n\n Players:\n  Maximum        1998\n"
                       "  Active            0\n\n Rating:\n  Year           2026\n");
}

TEST(CliStatus, ShowsLatestCountAndActivePlayers) {
  TempDir dir;
  FixedClock clock({{2026, 12, 8}, 10, 0, 0});
  SetupRecord s = SetupRecord::Created(2026);
  s.LatestCount = 345;
  ASSERT_FALSE(SaveSetup(dir.Location(), s));
  PlayerTable t;
  t.PlayerCount = 2;
  t[1].SysId = 1;
  t[2].SysId = 2;
  t[2].Status = StatusDeleted;
  ASSERT_FALSE(SavePlayers(dir.Location(), t));
  dir.Write("ratstat.hrs", "1600,0,0,0,0,0,0,0,0,0,0,0,0\r\n1600,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
  auto r = Cli(dir, {"status"}, clock);
  ASSERT_EQ(r.status, ExitOk) << r.err;
  EXPECT_NE(r.out.find("  Active            1\n"), std::string::npos);
  EXPECT_NE(r.out.find("  Latest count    345 duels\n"), std::string::npos);
}

TEST(CliStatus, MissingOrDamagedFilesExitTwoAndChangeNothing) {
  FixedClock clock({{2026, 12, 8}, 10, 0, 0});
  TempDir empty;
  auto r = Cli(empty, {"status"}, clock);
  EXPECT_EQ(r.status, ExitDataProblem);
  EXPECT_NE(r.err.find("Welcome to Halvik Ranking System\n\nPlease confirm Setup Creation"), std::string::npos);
  EXPECT_TRUE(empty.Files().empty());

  TempDir damaged;
  ASSERT_FALSE(SaveSetup(damaged.Location(), SetupRecord::Created(2026)));
  damaged.Write("player.hrs", "1,\"A\",\"\",20001,1600,1600,0,0,0,0,0,\r\n");
  damaged.Write("ratstat.hrs", "garbage\r\n");
  r = Cli(damaged, {"status"}, clock);
  EXPECT_EQ(r.status, ExitDataProblem);
  EXPECT_NE(r.err.find("Rating statistics not found"), std::string::npos);
  EXPECT_EQ(damaged.Read("ratstat.hrs"), "garbage\r\n");
  EXPECT_EQ(damaged.Files(), (std::vector<std::string>{"player.hrs", "ratstat.hrs", "rfast.hrs"}));
}

TEST(CliStatus, DamagedPlayerFileIsReportedAndLeftAlone) {
  FixedClock clock({{2026, 12, 8}, 10, 0, 0});
  TempDir dir;
  ASSERT_FALSE(SaveSetup(dir.Location(), SetupRecord::Created(2026)));
  dir.Write("player.hrs", "1,\"A\",oops\r\n");
  auto r = Cli(dir, {"status"}, clock);
  EXPECT_EQ(r.status, ExitDataProblem);
  EXPECT_NE(r.err.find("No players in the database"), std::string::npos);
  EXPECT_EQ(dir.Files(), (std::vector<std::string>{"player.hrs", "rfast.hrs"}));
}

TEST(CliInit, FailedInitLeavesNothingBehind) {
  FixedClock clock({{2026, 12, 8}, 10, 0, 0});
  TempDir dir;
  // A folder in the way of the statistics file, the last one written.
  std::filesystem::create_directory(dir.path() / "ratstat.hrs");
  auto r = Cli(dir, {"init"}, clock);
  EXPECT_EQ(r.status, ExitDataProblem);
  EXPECT_EQ(dir.Files(), std::vector<std::string>{"ratstat.hrs"});
}

TEST(CliHelp, ProgramAndCommandHelp) {
  FixedClock clock;
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"--help"}, out, err, clock), ExitOk);
  EXPECT_NE(out.str().find("status"), std::string::npos);
  EXPECT_NE(out.str().find("init"), std::string::npos);
  std::ostringstream out2;
  EXPECT_EQ(RunCli({"status", "--help"}, out2, err, clock), ExitOk);
  EXPECT_NE(out2.str().find("Usage: hrs-cli [--data DIR] status"), std::string::npos);
  EXPECT_EQ(RunCli({"frobnicate"}, out, err, clock), ExitUsage);
  EXPECT_EQ(RunCli({}, out, err, clock), ExitUsage);
}

}  // namespace
}  // namespace hrs::cli
