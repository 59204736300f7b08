#include "core/shell/shutdown.h"

#include <gtest/gtest.h>

#include "core/shell/startup.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

TEST(StartupTexts, TitleAndTheRefusalOfASecondCopy) {
  test::FixedClock clock({{2026, 12, 9}, 9, 0, 0});
  EXPECT_EQ(MainWindowTitle(clock), "Halvik Ranking System 1.24" + std::string(50, ' ') + "2026-12-09");
  ScriptedDialogs dialogs;
  RefuseSecondInstance(SecondInstance::Running, "/run/hrs.lock", dialogs);
  RefuseSecondInstance(SecondInstance::LockNotWritable, "/run/hrs.lock", dialogs);
  EXPECT_EQ(dialogs.Beeps(), 2);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"This application is running already!",
                                                          "The program cannot make sure that it runs only once:\r"
                                                          "its lock file /run/hrs.lock cannot be written."}));
  EXPECT_EQ(dialogs.MessageCalls()[1].icon, Icon::Critical);
}

TEST(StartupTexts, DataHeldElsewhereAreNotTaken) {
  TempDir dir;
  DataLock elsewhere, here;
  ASSERT_EQ(elsewhere.Take(dir.path()), DataLock::Result::Taken);
  ScriptedDialogs dialogs;
  EXPECT_FALSE(TakeDataForProgram(here, dir.path(), dialogs));
  EXPECT_EQ(dialogs.Beeps(), 1);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{DataInUseMessage(dir.path())});
  elsewhere.Release();
  dialogs.Clear();
  EXPECT_TRUE(TakeDataForProgram(here, dir.path(), dialogs));
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(ShutdownSaves, FailuresAreToldAndNothingElseIsSaid) {
  TempDir dir;
  Database db;
  db.location = dir.Location();
  db.players.PlayerCount = 1;
  ScriptedDialogs dialogs;
  SaveStatisticsOnClose(db, dialogs);  // never loaded: nothing written
  EXPECT_FALSE(dir.Exists("ratstat.hrs"));
  db.StartupOk = 1;
  SaveStatisticsOnClose(db, dialogs);
  EXPECT_TRUE(dir.Exists("ratstat.hrs"));
  WindowArrangement arrangement;
  SaveArrangementOnClose(dir.path() / "hrs_k", arrangement, dialogs);
  EXPECT_TRUE(dir.Exists("hrs_k"));
  EXPECT_TRUE(dialogs.Messages().empty());

  // A folder that is not there: both are told, with the reason after the first line.
  db.location.dataDir = dir.path() / "gone";
  SaveStatisticsOnClose(db, dialogs);
  SaveArrangementOnClose(dir.path() / "gone" / "hrs_k", arrangement, dialogs);
  const auto calls = dialogs.MessageCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].text.rfind("The rating statistics could not be saved.\r", 0), 0u);
  EXPECT_EQ(calls[1].text.rfind("The window arrangement could not be saved.\r", 0), 0u);
  EXPECT_GT(calls[1].text.size(), std::string("The window arrangement could not be saved.\r").size());
  for (const auto& call : calls) EXPECT_EQ(call.icon, Icon::Critical);
}

}  // namespace
}  // namespace hrs
