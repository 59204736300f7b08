#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "support/fixed_clock.h"
#include "support/temp_dir.h"

namespace hrs::cli {
namespace {

using test::Fixture;

struct Preregister : ::testing::Test {
  void SetUp() override {
    std::filesystem::create_directories(dir.path() / "qtp");
    settings.qtpDir = dir.path() / "qtp";
    ASSERT_EQ(Cli({"init"}).status, ExitOk);
    ASSERT_EQ(Cli({"add-player", "Anna Berg", "--mbship", "12345", "--rating", "1850"}).status, ExitOk);
    ASSERT_EQ(Cli({"add-player", "Bo Lund", "--no-mbship"}).status, ExitOk);
    dir.Write("club.wrk", "\"Anna Berg                  1\"\r\n\"Bo Lund                    2\"\r\n"
                          "\"Anna Berg                  1\"\r\n\"Reserved                        0\"\r\n");
  }
  struct Run {
    int status;
    std::string out, err;
  };
  Run Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    args.insert(args.begin(), {"--data", dir.path().string()});
    const int status = RunCli(args, out, err, clock, settings);
    return {status, out.str(), err.str()};
  }
  void Tournament(const std::string& state, const std::string& setup) {
    dir.Write("qtp/WINTrund.dat", Fixture("swiss/" + state + "_rund.dat"));
    dir.Write("qtp/WINTfast.dat", Fixture("swiss/" + setup + "_fast.dat"));
  }
  std::string Workfile() const { return (dir.path() / "club.wrk").string(); }

  test::TempDir dir;
  test::FixedClock clock;
  InstallationSettings settings;
};

TEST_F(Preregister, ExportsTheWorkfilesPlayersOnce) {
  Tournament("open", "open");
  const Run r = Cli({"preregister", "wint", Workfile(), "--hrs-ratings"});
  ASSERT_EQ(r.status, ExitOk) << r.err;
  EXPECT_EQ(r.out, "2 players for tournament WINT\nsuccessfully pre-registered.\n");
  EXPECT_EQ(dir.Read("qtp/WINTdelt.pre"), "\"Anna Berg\",1850,1,0,0\r\n\"Bo Lund\",1600,2,0,0\r\n");
}

TEST_F(Preregister, StopsAndRefusalsWriteNothing) {
  const struct {
    const char* state;
    const char* setup;
    std::vector<std::string> args;
    int status;
    const char* says;
  } cases[] = {
      {"open", "open", {"WINT", "--hrs-ratings"}, ExitUsage, "Usage:"},
      {"open", "open", {"WINT", "club.wrk", "--hrs-ratings", "--default-rating"}, ExitUsage, "not both"},
      {"started", "open", {"WINT", "club.wrk", "--default-rating"}, 3,
       "The tournament has started\nDo you wish to export?"},
      {"one", "open", {"WINT", "club.wrk", "--default-rating"}, 3, "maximum for this tournament is 1"},
      {"open", "team", {"WINT", "club.wrk", "--default-rating"}, ExitDataProblem, "is a team tournament"},
      {"open", "open", {"WINT", "none.wrk", "--default-rating"}, ExitDataProblem, "Error opening file"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(dir.path() / "qtp/WINTdelt.pre");
    Tournament(c.state, c.setup);
    std::vector<std::string> args = {"preregister"};
    for (const auto& a : c.args) args.push_back(a.size() > 4 && a.find(".wrk") != std::string::npos ? (dir.path() / a).string() : a);
    const Run r = Cli(args);
    EXPECT_EQ(r.status, c.status) << c.says << "\n" << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_FALSE(dir.Exists("qtp/WINTdelt.pre")) << c.says;
  }
}

TEST_F(Preregister, FlagsAnswerTheQuestions) {
  Tournament("started", "open");
  dir.Write("qtp/WINTrund.dat", "1,3,1,\"\",1\r\n");
  const Run r = Cli({"preregister", "WINT", Workfile(), "--default-rating", "--started-ok", "--over-maximum-ok"});
  ASSERT_EQ(r.status, ExitOk) << r.err;
  EXPECT_EQ(dir.Read("qtp/WINTdelt.pre"), "\"Anna Berg\",1600,1,0,0\r\n\"Bo Lund\",1600,2,0,0\r\n");
}

}  // namespace
}  // namespace hrs::cli
