#include "core/data/data_lock.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "support/fixed_clock.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

TEST(DataLock, OneHolderAtATimePerDataFolder) {
  test::TempDir dir, other;
  DataLock a, b, c;
  EXPECT_EQ(a.Take(dir.path()), DataLock::Result::Taken);
  EXPECT_EQ(b.Take(dir.path()), DataLock::Result::InUse);
  EXPECT_EQ(b.Take(dir.path() / "." / ""), DataLock::Result::InUse);  // the same folder, spelt otherwise
  std::filesystem::create_directory_symlink(dir.path(), other.path() / "link");
  EXPECT_EQ(b.Take(other.path() / "link"), DataLock::Result::InUse);  // or reached through a link
  std::filesystem::remove(other.path() / "link");
  EXPECT_EQ(c.Take(other.path()), DataLock::Result::Taken);
  a.Release();
  EXPECT_EQ(b.Take(dir.path()), DataLock::Result::Taken);
  // The data folder itself is left as it was.
  EXPECT_TRUE(dir.Files().empty());
}

TEST(DataLock, WritingCommandsWaitForTheDesktopProgram) {
  test::TempDir dir;
  test::FixedClock clock;
  std::ostringstream out, err;
  DataLock desktop;
  ASSERT_EQ(desktop.Take(dir.path()), DataLock::Result::Taken);
  EXPECT_EQ(cli::RunCli({"--data", dir.path().string(), "init"}, out, err, clock), cli::ExitDataProblem);
  EXPECT_NE(err.str().find("are in use by another program of the ranking system"), std::string::npos);
  EXPECT_TRUE(dir.Files().empty());
  desktop.Release();
  EXPECT_EQ(cli::RunCli({"--data", dir.path().string(), "init"}, out, err, clock), cli::ExitOk);
}

}  // namespace
}  // namespace hrs
