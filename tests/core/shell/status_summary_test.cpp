#include "core/shell/status_summary.h"

#include <gtest/gtest.h>

#include "core/shell/menu_guards.h"

namespace hrs {
namespace {

TEST(StatusDirectoryText, LastCharactersNeverStartInsideAUtf8Character) {
  EXPECT_EQ(StatusDirectoryText("/home/club", 45), "/home/club");
  EXPECT_EQ(StatusDirectoryText("/home/club/data", 4), "data");
  // "/å" is 3 bytes; cutting to 4 bytes would begin inside the "å" of "/åå".
  const std::string dir = "/x/\xC3\xA5\xC3\xA5";  // "/x/åå"
  const std::string shown = StatusDirectoryText(dir, 3);
  EXPECT_EQ(shown, "\xC3\xA5");
}

TEST(RefreshesStatusOnClose, TheWorkingWindowsOnly) {
  for (const char* name : {"dbSetup", "dbPlayer", "dbRating", "dbCalc", "dbTurn", "dbUtil", "dbLocal"})
    EXPECT_TRUE(RefreshesStatusOnClose(name)) << name;
  EXPECT_FALSE(RefreshesStatusOnClose("Query"));
  EXPECT_FALSE(RefreshesStatusOnClose("Status"));
}

}  // namespace
}  // namespace hrs
