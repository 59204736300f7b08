#include "core/data/setup_file.h"

#include <gtest/gtest.h>

#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

using test::FixedClock;
using test::ScriptedDialogs;
using test::TempDir;

TEST(SetupFile, FreshFileIsByteExact) {
  EXPECT_EQ(SetupFileBytes(SetupRecord::Created(1997)),
            "\"The Best Ranking List\",1600,1997,0,400\r\n2099\r\n2399\r\n32\r\n24\r\n16\r\n\r\n0\r\n");
}

TEST(SetupFile, WorkfileNameIsQuotedOnceSet) {
  SetupRecord s = SetupRecord::Created(1997);
  s.PreRegFile = TextField::Of("club.wrk");
  EXPECT_NE(SetupFileBytes(s).find("\r\n\"club.wrk\"\r\n0\r\n"), std::string::npos);
  auto back = ParseSetupFile(SetupFileBytes(s));
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, s);
}

TEST(SetupFile, OnlyFirstLineLoadsWithRepairedDefaults) {
  auto s = ParseSetupFile("\"Club\",1500,1997,12,0\r\n");
  ASSERT_TRUE(s);
  EXPECT_EQ(s->ListName.str(), "Club");
  EXPECT_EQ(s->FirstRating, 1500);
  EXPECT_EQ(s->LatestCount, 12);
  EXPECT_EQ(s->WinFactor, 400);
  EXPECT_EQ(s->Group1Limit, 2099);
  EXPECT_EQ(s->Group2Limit, 2399);
  EXPECT_EQ(s->AdjConst1, 32);
  EXPECT_EQ(s->AdjConst2, 24);
  EXPECT_EQ(s->AdjConst3, 16);
  EXPECT_EQ(s->PreRegFile.kind, TextField::Kind::Unset);
  EXPECT_EQ(s->MinAdjustments, 0);
}

TEST(SetupFile, GroupLimitBelow1600IsRepairedButNotAt1600) {
  auto low = ParseSetupFile("\"C\",1600,1997,0,400\r\n1599\r\n1600\r\n32\r\n24\r\n16\r\n\r\n3\r\n");
  ASSERT_TRUE(low);
  EXPECT_EQ(low->Group1Limit, 2099);
  EXPECT_EQ(low->Group2Limit, 1600);
  EXPECT_EQ(low->MinAdjustments, 3);
}

TEST(SetupFile, UnreadableLaterValueKeepsTheFieldAndReadingGoesOn) {
  auto s = ParseSetupFile("\"C\",1600,1997,0,400\r\nxx\r\n2300\r\n30\r\n20\r\n10\r\n\"w\"\r\n5\r\n");
  ASSERT_TRUE(s);
  EXPECT_EQ(s->Group1Limit, 2099);  // unread, then repaired
  EXPECT_EQ(s->Group2Limit, 2300);
  EXPECT_EQ(s->MinAdjustments, 5);
}

TEST(SetupFile, BrokenFirstLineIsNotASetup) {
  EXPECT_FALSE(ParseSetupFile(""));
  EXPECT_FALSE(ParseSetupFile("\"C\",abc,1997,0,400\r\n"));
  EXPECT_FALSE(ParseSetupFile("\"C\",1600\r\n"));
}

TEST(LoadSetup, MissingFileAsksCreationAndWritesFreshFile) {
  TempDir dir;
  ScriptedDialogs dialogs;
  FixedClock clock({{2026, 3, 1}, 9, 0, 0});
  SetupRecord s;
  ASSERT_TRUE(LoadSetup(dir.Location(), s, dialogs, clock));
  ASSERT_EQ(dialogs.MessageCalls().size(), 1u);
  EXPECT_EQ(dialogs.MessageCalls()[0].text, "Welcome to Halvik Ranking System\r\rPlease confirm Setup Creation");
  EXPECT_EQ(dialogs.MessageCalls()[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(dialogs.MessageCalls()[0].icon, Icon::Question);
  EXPECT_EQ(dir.Read("rfast.hrs"), SetupFileBytes(SetupRecord::Created(2026)));
}

TEST(LoadSetup, CancelledCreationWritesNothing) {
  TempDir dir;
  ScriptedDialogs dialogs;
  dialogs.Answer(Answer::Cancel);
  FixedClock clock;
  SetupRecord s;
  EXPECT_FALSE(LoadSetup(dir.Location(), s, dialogs, clock));
  EXPECT_TRUE(dir.Files().empty());
}

TEST(LoadSetup, DamagedFileIsKeptBesideTheNewOne) {
  TempDir dir;
  dir.Write("rfast.hrs", "\"My Club\",abc\r\n");
  ScriptedDialogs dialogs;
  FixedClock clock;
  SetupRecord s;
  ASSERT_TRUE(LoadSetup(dir.Location(), s, dialogs, clock));
  EXPECT_EQ(dir.Read("rfast.hrs.damaged"), "\"My Club\",abc\r\n");
  EXPECT_EQ(s.ListName.str(), "The Best Ranking List");
  // A second damaged file gets a copy of its own.
  dir.Write("rfast.hrs", "broken again");
  ASSERT_TRUE(LoadSetup(dir.Location(), s, dialogs, clock));
  EXPECT_EQ(dir.Read("rfast.hrs.damaged2"), "broken again");
  EXPECT_EQ(dir.Read("rfast.hrs.damaged"), "\"My Club\",abc\r\n");
}

TEST(LoadSetup, FileFoundWithoutRegardToCase) {
  TempDir dir;
  dir.Write("RFAST.HRS", SetupFileBytes(SetupRecord::Created(2025)));
  ScriptedDialogs dialogs;
  FixedClock clock;
  SetupRecord s;
  ASSERT_TRUE(LoadSetup(dir.Location(), s, dialogs, clock));
  EXPECT_EQ(s.RatingYear, 2025);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST(SaveSetup, FailedWriteIsReportedAndLeavesNoTemporaryFile) {
  TempDir dir;
  // A folder where the file should be: the rename fails even for root.
  std::filesystem::create_directory(dir.path() / "rfast.hrs");
  auto error = SaveSetup(dir.Location(), SetupRecord::Created(2026));
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("rfast.hrs"), std::string::npos);
  EXPECT_EQ(dir.Files(), std::vector<std::string>{"rfast.hrs"});
}

}  // namespace
}  // namespace hrs
