#include "core/data/setup_form.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/setup_file.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

namespace fs = std::filesystem;
using Call = test::ScriptedDialogs::Call;

constexpr const char* FactorsTitle = "Rating adjustment formula factors";

// A database of rating year 2026 with its setup on file; the clock says 8 December 2026.
class SetupFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db.location = dir.Location();
    db.setup = SetupRecord::Created(2026);
    ASSERT_FALSE(SaveSetup(db.location, db.setup));
    fields = SetupFieldsFrom(db.setup);
  }
  std::string& Text(int n) { return fields[static_cast<size_t>(n - 1)]; }
  SetupSaveOutcome Save() { return SaveSetupForm(fields, db, dialogs, clock); }
  SetupRecord OnFile() const { return *ParseSetupFile(dir.Read("rfast.hrs")); }
  // The one message shown, checked whole.
  void ExpectOnlyMessage(const std::string& text, Buttons buttons, Icon icon, const std::string& title) {
    const auto calls = dialogs.MessageCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, text);
    EXPECT_EQ(calls[0].buttons, buttons);
    EXPECT_EQ(calls[0].icon, icon);
    EXPECT_EQ(calls[0].title, title);
  }

  test::TempDir dir;
  test::ScriptedDialogs dialogs;
  test::FixedClock clock;
  Database db;
  SetupFields fields;
};

TEST_F(SetupFormTest, FieldsShowTheRecord) {
  EXPECT_EQ(fields, (SetupFields{"The Best Ranking List", "2026", "1600", "400", "2099", "2399", "32", "24", "16", "0"}));
  EXPECT_EQ(SetupCaptions()[0], std::string("Name of ranking list"));
  EXPECT_EQ(SetupCaptions()[9], std::string("Minimum Adjustments"));
}

TEST_F(SetupFormTest, UnchangedFieldsSaveSilently) {
  Text(1) = "Club \"Knight\" list\r\n";
  const auto out = Save();
  EXPECT_TRUE(out.saved);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Setup saved"}));
  EXPECT_EQ(dialogs.Beeps(), 0);
  // Typed quotes and line breaks cannot break the file.
  EXPECT_EQ(OnFile().ListName.str(), "Club 'Knight' list  ");
  EXPECT_EQ(OnFile().WinFactor, 400);
}

TEST_F(SetupFormTest, RatingYearOnlyCurrentOrLastCalendarYear) {
  Text(2) = "2024";
  const std::string before = dir.Read("rfast.hrs");
  const auto out = Save();
  EXPECT_EQ(out.focus, 2);
  EXPECT_FALSE(out.saved);
  ExpectOnlyMessage("The ranking system supports current and last\rcalendar year only.\r"
                    "If not a typing mistake please check the System Clock",
                    Buttons::Ok, Icon::Information, "");
  EXPECT_EQ(dialogs.Beeps(), 1);
  EXPECT_EQ(Text(2), "2026");
  EXPECT_EQ(dir.Read("rfast.hrs"), before);

  dialogs.Clear();
  Text(2) = "twenty";
  EXPECT_EQ(Save().focus, 2);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(SetupFormTest, RatingYearIsSavedAtOnceAndEarlierFieldsStayInMemory) {
  db.setup.RatingYear = 2025;
  ASSERT_FALSE(SaveSetup(db.location, db.setup));
  Text(1) = "Spring list";
  Text(2) = "2026";
  Text(3) = "1500";
  Text(5) = "1400";  // below the first rating: refused
  EXPECT_EQ(Save().focus, 5);
  EXPECT_EQ(OnFile().RatingYear, 2026);
  EXPECT_EQ(OnFile().ListName.str(), "Spring list");
  EXPECT_EQ(OnFile().FirstRating, 1600);  // passed, but not saved
  EXPECT_EQ(db.setup.FirstRating, 1500);
  EXPECT_EQ(Text(5), "1400");             // no restore for the group limits
}

TEST_F(SetupFormTest, DefaultFirstRatingBounds) {
  Text(3) = "1399";
  EXPECT_EQ(Save().focus, 3);
  ExpectOnlyMessage("The rating adjustment algorithm does not\rsupport a default startrating below 1400", Buttons::Ok,
                    Icon::Warning, "");
  EXPECT_EQ(Text(3), "1600");
  EXPECT_EQ(dialogs.Beeps(), 1);

  dialogs.Clear();
  Text(3) = "1601";
  EXPECT_EQ(Save().focus, 3);
  ExpectOnlyMessage("The rating adjustment algorithm does not\rsupport a default startrating over 1600", Buttons::Ok,
                    Icon::Information, "");
  EXPECT_EQ(Text(3), "1600");

  dialogs.Clear();
  Text(3) = "1450";
  dialogs.Answer(Answer::Cancel);
  EXPECT_EQ(Save().focus, 3);
  ExpectOnlyMessage("Very low default startrating, are you sure?", Buttons::OkCancel, Icon::None, "");
  EXPECT_EQ(Text(3), "1600");
  EXPECT_EQ(dialogs.Beeps(), 0);

  dialogs.Clear();
  Text(3) = "1450";
  EXPECT_TRUE(Save().saved);  // OK maintains it
  EXPECT_EQ(OnFile().FirstRating, 1450);

  dialogs.Clear();
  Text(3) = "1500";
  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Setup saved"}));
}

TEST_F(SetupFormTest, WinExpectancyFactorOutsideTheUsualRangeAsks) {
  const std::string question =
      "This is an unusual expectancy factor.\rThe default factor is 400, but may be increased\r"
      "up to 1000 to give players with high ratings\ragainst players with low ratings more to gain\r"
      "and less to lose. Do you maintain the number?";
  Text(4) = "1000";
  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Setup saved"}));

  for (const char* entry : {"1001", "399"}) {
    dialogs.Clear();
    Text(4) = entry;
    dialogs.Answer(Answer::No);
    EXPECT_EQ(Save().focus, 4);
    ExpectOnlyMessage(question, Buttons::YesNo, Icon::Question, "Win expectancy factor");
    EXPECT_EQ(dialogs.Beeps(), 1);
    EXPECT_EQ(Text(4), "1000");
  }

  dialogs.Clear();
  Text(4) = "1001";
  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(OnFile().WinFactor, 1001);

  dialogs.Clear();
  Text(4) = "400.5";  // stored as a whole number
  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(OnFile().WinFactor, 400);
}

TEST_F(SetupFormTest, WinExpectancyFactorBelowOneIsRefused) {
  Text(4) = "0";
  EXPECT_EQ(Save().focus, 4);
  ExpectOnlyMessage("The win expectancy factor must be at least 1", Buttons::Ok, Icon::Warning,
                    "Win expectancy factor");
  EXPECT_EQ(Text(4), "400");
}

TEST_F(SetupFormTest, GroupLimitsInOrder) {
  Text(5) = "1599";
  EXPECT_EQ(Save().focus, 5);
  ExpectOnlyMessage("The upper limit of rating group 1 must not\rbe less than default first rating", Buttons::Ok,
                    Icon::Warning, FactorsTitle);

  dialogs.Clear();
  Text(5) = "2200";
  Text(6) = "2199";
  EXPECT_EQ(Save().focus, 6);
  ExpectOnlyMessage("The upper limit of rating group 2 must not\rbe less than upper limit of rating group 1",
                    Buttons::Ok, Icon::Warning, FactorsTitle);
  EXPECT_EQ(dialogs.Beeps(), 1);
  EXPECT_EQ(db.setup.Group1Limit, 2200);

  dialogs.Clear();
  Text(6) = "2200";
  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(OnFile().Group2Limit, 2200);
}

TEST_F(SetupFormTest, AdjustmentConstants) {
  Text(7) = "0";
  EXPECT_EQ(Save().focus, 7);
  EXPECT_TRUE(dialogs.calls.empty());

  Text(7) = "15";
  dialogs.Answer(Answer::Cancel);
  EXPECT_EQ(Save().focus, 7);
  ExpectOnlyMessage("This is an unusual low number.\rDo you maintain?", Buttons::OkCancel, Icon::Warning,
                    FactorsTitle);
  EXPECT_EQ(dialogs.Beeps(), 1);
  EXPECT_EQ(Text(7), "15");

  // OK keeps 15; constant 2 of 24 is then above constant 1.
  dialogs.Clear();
  EXPECT_EQ(Save().focus, 8);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"This is an unusual low number.\rDo you maintain?",
                                                          "Constant 2 must be less than or equal to constant 1"}));
  EXPECT_EQ(dialogs.MessageCalls()[1].title, FactorsTitle);
  EXPECT_EQ(dialogs.MessageCalls()[1].icon, Icon::Warning);

  dialogs.Clear();
  Text(7) = "32";
  Text(8) = "32";
  Text(9) = "33";
  EXPECT_EQ(Save().focus, 9);
  ExpectOnlyMessage("Constant 3 must be less than or equal to constant 2", Buttons::Ok, Icon::Warning, FactorsTitle);

  dialogs.Clear();
  Text(9) = "32";
  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(OnFile().AdjConst3, 32);
}

TEST_F(SetupFormTest, ConstantThreeIsComparedWithTheNewConstantTwo) {
  Text(8) = "20";
  Text(9) = "22";
  EXPECT_EQ(Save().focus, 9);
  ExpectOnlyMessage("Constant 3 must be less than or equal to constant 2", Buttons::Ok, Icon::Warning, FactorsTitle);
}

TEST_F(SetupFormTest, ConstantsTwoAndThreeMustBePositive) {
  Text(9) = "0";
  EXPECT_EQ(Save().focus, 9);
  ExpectOnlyMessage("Constant 3 must be at least 1", Buttons::Ok, Icon::Warning, FactorsTitle);
  EXPECT_EQ(OnFile().AdjConst3, 16);
}

TEST_F(SetupFormTest, MinimumAdjustments) {
  Text(10) = "-5";
  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(Text(10), "0");
  EXPECT_EQ(OnFile().MinAdjustments, 0);

  dialogs.Clear();
  Text(10) = "many";
  EXPECT_EQ(Save().focus, 10);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(dialogs.Beeps(), 1);

  dialogs.Clear();
  Text(10) = "12";
  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(OnFile().MinAdjustments, 12);
}

TEST_F(SetupFormTest, NumbersTooLargeForTheFileAreRefused) {
  Text(6) = "40000";
  EXPECT_EQ(Save().focus, 6);
  ExpectOnlyMessage("Please enter a number from -32768 to 32767", Buttons::Ok, Icon::Warning, "");
  EXPECT_EQ(OnFile().Group2Limit, 2399);
}

TEST_F(SetupFormTest, AFailedSaveIsReportedNotCalledSaved) {
  fs::remove(dir.path() / "rfast.hrs");
  fs::create_directories(dir.path() / "rfast.hrs" / "in-the-way");
  Text(2) = "2026";
  const auto out = Save();
  EXPECT_FALSE(out.saved);
  const auto messages = dialogs.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("The setup could not be saved.\r", 0), 0u);
  EXPECT_EQ(dialogs.MessageCalls()[0].icon, Icon::Critical);
}

// Rating year roll-back: the setup is in 2026, the operator types 2025.
class RollBackTest : public SetupFormTest {
 protected:
  void SetUp() override {
    SetupFormTest::SetUp();
    PlayerTable current;
    current.PlayerCount = 2;
    current[1] = PlayerRecord{1, TextField::Of("Ann New"), {}, NoMembership, 1700, 1700, 0, 0, 0, 0, 0, {}};
    current[2] = PlayerRecord{2, TextField::Of("Bob New"), {}, NoMembership, 1600, 1600, 0, 0, 0, 0, 0, {}};
    db.players = current;
    ASSERT_FALSE(SavePlayers(db.location, current));
    PlayerTable old;
    old.PlayerCount = 1;
    old[1] = PlayerRecord{1, TextField::Of("Ann Old"), {}, NoMembership, 1600, 1700, 0, 0, 3, 0, 1, {}};
    oldBytes = PlayerFileBytes(old);
    Text(2) = "2025";
  }
  std::string oldBytes;
  const std::string question =
      "First of all: Be sure to back up all ranking system files.\r"
      "You may change the rating year back to the previous rating year\r"
      "ONLY if no new players have been added since new year.\r"
      "If you proceed the following will happen:\r"
      "Player2025.hrs will be renamed Player.hrs\r"
      "and the existing file of players will be erased.\r\r"
      "Then make the adjustments that caused your wish to change the\r"
      "rating year. When you are finished run Calculate Ratings and then\r"
      "New Year Conversion from the Utility menu.\r\r"
      "Do you wish to proceed?";
};

TEST_F(RollBackTest, WithTheOldPlayerFile) {
  dir.Write("player2025.hrs", oldBytes);
  const auto out = Save();
  EXPECT_TRUE(out.saved);
  const auto calls = dialogs.MessageCalls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].text, question);
  EXPECT_EQ(calls[0].buttons, Buttons::YesNo);
  EXPECT_EQ(calls[0].icon, Icon::Question);
  EXPECT_EQ(calls[0].title, "Rating year roll-back");
  EXPECT_EQ(calls[1].text, "Change back of rating year successfully implemented\r"
                           "The files as they were before are kept in the folder backup/20261208-143000.");
  EXPECT_EQ(calls[2].text, "Setup saved");
  EXPECT_EQ(dir.Read("player.hrs"), oldBytes);
  EXPECT_FALSE(dir.Exists("player2025.hrs"));
  // The kept copies are the files before the roll-back.
  EXPECT_EQ(dir.Read("backup/20261208-143000/player2025.hrs"), oldBytes);
  EXPECT_TRUE(dir.Exists("backup/20261208-143000/player.hrs"));
  EXPECT_TRUE(dir.Exists("backup/20261208-143000/rfast.hrs"));
  EXPECT_EQ(OnFile().RatingYear, 2025);
  // The table in memory is the restored one.
  EXPECT_EQ(db.players.PlayerCount, 1);
  EXPECT_EQ(db.players[1].Name.str(), "Ann Old");
}

TEST_F(RollBackTest, WithoutTheOldPlayerFile) {
  const std::string players = dir.Read("player.hrs");
  const auto out = Save();
  EXPECT_EQ(out.focus, 2);
  const auto calls = dialogs.MessageCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].text, "Old file of players not found.\rPlease restore this file");
  EXPECT_EQ(calls[1].icon, Icon::Warning);
  EXPECT_EQ(calls[1].title, "Change of rating year");
  EXPECT_EQ(dialogs.Beeps(), 2);
  EXPECT_EQ(dir.Read("player.hrs"), players);
  EXPECT_EQ(OnFile().RatingYear, 2026);
  // Only a declined roll-back puts the year back into the field.
  EXPECT_EQ(Text(2), "2025");
}

TEST_F(RollBackTest, DeclinedChangesNothing) {
  dir.Write("player2025.hrs", oldBytes);
  dialogs.Answer(Answer::No);
  EXPECT_EQ(Save().focus, 2);
  EXPECT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(Text(2), "2026");
  EXPECT_EQ(dir.Read("player2025.hrs"), oldBytes);
  EXPECT_EQ(db.players.PlayerCount, 2);
}

TEST_F(RollBackTest, AFailedRenameKeepsBothFiles) {
  fs::remove(dir.path() / "player.hrs");
  fs::create_directories(dir.path() / "player.hrs" / "in-the-way");
  dir.Write("player2025.hrs", oldBytes);
  EXPECT_EQ(Save().focus, 2);
  EXPECT_EQ(dialogs.Messages().back(), "Old file of players not found.\rPlease restore this file");
  EXPECT_EQ(dir.Read("player2025.hrs"), oldBytes);
  EXPECT_EQ(OnFile().RatingYear, 2026);
}

}  // namespace
}  // namespace hrs
