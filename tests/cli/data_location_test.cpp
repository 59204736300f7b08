#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "support/fixed_clock.h"
#include "support/temp_dir.h"

namespace hrs::cli {
namespace {

// With the installation setting on, hrs-cli works in QtpDir; --data still wins.
TEST(CliDataLocation, InstallationSettingPutsTheDataInQtpDir) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.path() / "qtp");
  InstallationSettings settings;
  settings.dataInQtpDir = true;
  settings.qtpDir = dir.path() / "qtp";
  test::FixedClock clock;
  std::ostringstream out, err;
  ASSERT_EQ(RunCli({"init"}, out, err, clock, settings), ExitOk) << err.str();
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "qtp" / "rfast.hrs"));

  std::ostringstream out2, err2;
  ASSERT_EQ(RunCli({"--data", dir.path().string(), "init"}, out2, err2, clock, settings), ExitOk) << err2.str();
  EXPECT_TRUE(dir.Exists("rfast.hrs"));
}

}  // namespace
}  // namespace hrs::cli
