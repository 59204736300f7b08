#include "core/shell/status_summary.h"

#include <gtest/gtest.h>

#include "core/shell/menu_guards.h"

namespace hrs {
namespace {

TEST(StatusDirectoryText, LastCharactersNeverStartInsideAUtf8Character) {
  EXPECT_EQ(StatusDirectoryText("/home/club", 45), "/home/club");
  EXPECT_EQ(StatusDirectoryText("/home/club/data", 4), "data");
  // Characters, not bytes: the last three of "/x/åå" are "/åå".
  EXPECT_EQ(StatusDirectoryText("/x/\xC3\xA5\xC3\xA5", 3), "/\xC3\xA5\xC3\xA5");
}

TEST(RefreshesStatusOnClose, TheWorkingWindowsOnly) {
  for (const char* name : {"dbSetup", "dbPlayer", "dbRating", "dbCalc", "dbTurn", "dbUtil", "dbLocal"})
    EXPECT_TRUE(RefreshesStatusOnClose(name)) << name;
  EXPECT_FALSE(RefreshesStatusOnClose("Query"));
  EXPECT_FALSE(RefreshesStatusOnClose("Status"));
}

}  // namespace
}  // namespace hrs
