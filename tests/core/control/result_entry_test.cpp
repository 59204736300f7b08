#include <gtest/gtest.h>

#include "control_club.h"
#include "core/control/result_entry.h"

namespace hrs::test {
namespace {

using Kind = ResultEntryOutcome::Kind;

// Players 1..3 active (membership numbers 10001..10003), 4 deleted, 5 sharing
// 10002 with player 2 and 6 holding 10000.
struct EntryClub : ControlClub {
  EntryClub() : ControlClub(3) {
    AddPlayer("Gone", 1500, 10004, StatusDeleted);
    AddPlayer("Twin", 1500, 10002);
    AddPlayer("Ten Thousand", 1500, 10000);
  }
  ResultEntryOutcome Save(ResultEntry e) { return SaveResultEntry(e, db, dialogs, clock); }
};

ResultEntry Entry(std::string y, std::string m, std::string d, std::string w, std::string l, bool draw = false) {
  return {std::move(y), std::move(m), std::move(d), std::move(w), std::move(l), draw};
}

TEST(ResultEntry, RefusalsWriteNothingAndNameTheField) {
  struct Case {
    ResultEntry entry;
    EntryField field;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {Entry("2024", "06", "01", "1", "2"), EntryField::Year, {}},  // two years before the rating year
      {Entry("2027", "01", "01", "1", "2"), EntryField::Year, {}},  // after this year
      {Entry("1995", "01", "01", "1", "2"), EntryField::Year, {}},
      {Entry("20x6", "01", "01", "1", "2"), EntryField::Year, {}},
      {Entry("2026", "13", "01", "1", "2"), EntryField::Month, {}},
      {Entry("2026", "", "01", "1", "2"), EntryField::Month, {}},
      {Entry("2026", "06", "32", "1", "2"), EntryField::Day, {}},
      {Entry("2026", "06", "0", "1", "2"), EntryField::Day, {}},
      {Entry("2026", "06", "01", "", "2"), EntryField::Winner, {}},
      {Entry("2026", "06", "01", "1", ""), EntryField::Loser, {}},
      {Entry("2026", "06", "01", "12", "12"), EntryField::Loser, {}},
      {Entry("2026", "06", "01", "1\"2", "2"), EntryField::Winner, {}},
      {Entry("2026", "06", "01", "1,2", "2"), EntryField::Winner, {}},
      {Entry("2026", "06", "01", "9999", "2"), EntryField::Winner, {"Winner number does not exist"}},
      {Entry("2026", "06", "01", "0", "2"), EntryField::Winner, {"Winner number does not exist"}},
      {Entry("2026", "06", "01", "10099", "2"), EntryField::Winner, {"Winner Number does not exist"}},
      // 999999 means "no membership number", held by nobody.
      {Entry("2026", "06", "01", "999999", "2"), EntryField::Winner, {"Winner Number does not exist"}},
      {Entry("2026", "06", "01", "1", "7"), EntryField::Loser, {"Loser number does not exist"}},
      {Entry("2026", "06", "01", "1", "55555"), EntryField::Loser, {"Loser Number does not exist"}},
      {Entry("2026", "06", "01", "1", "2\n3"), EntryField::Loser, {}},
      // A membership number and the Sys Id of the same player.
      {Entry("2026", "06", "01", "10001", "1"), EntryField::Loser, {}},
  };
  for (const auto& c : cases) {
    EntryClub club;
    const auto out = club.Save(c.entry);
    SCOPED_TRACE(c.entry.winner + " / " + c.entry.loser + " " + c.entry.year + c.entry.month + c.entry.day);
    EXPECT_EQ(out.kind, Kind::Refused);
    EXPECT_EQ(out.field, c.field);
    EXPECT_EQ(club.dialogs.Messages(), c.messages);
    EXPECT_TRUE(club.dir.Files().empty());
  }
}

TEST(ResultEntry, SavedLines) {
  struct Case {
    ResultEntry entry;
    std::string file;
    std::string line;
  };
  const std::vector<Case> cases = {
      {Entry("2025", "1", "5", "1", "2"), "RS202501.DAT", "\"20250105\",\"1\",\"2\",\" \"\r\n"},
      {Entry("2026", "06", "31", "2", "1"), "RS202606.DAT", "\"20260631\",\"2\",\"1\",\" \"\r\n"},
      {Entry("2026", "06", "01", "1", "2", true), "RS202606.DAT", "\"20260601\",\"1\",\"2\",\"X\"\r\n"},
      // 10000 is a membership number; a shared one names the lower Sys Id.
      {Entry("2026", "06", "01", "10000", "10002"), "RS202606.DAT", "\"20260601\",\"6\",\"2\",\" \"\r\n"},
      {Entry("2026", "12", "08", " 03", "+1"), "RS202612.DAT", "\"20261208\",\"3\",\"1\",\" \"\r\n"},
      {Entry("02026", "12", "08", "1", "2"), "RS202612.DAT", "\"20261208\",\"1\",\"2\",\" \"\r\n"},
  };
  for (const auto& c : cases) {
    EntryClub club;
    const auto out = club.Save(c.entry);
    SCOPED_TRACE(c.line);
    ASSERT_EQ(out.kind, Kind::Saved);
    EXPECT_EQ(out.fileName, c.file);
    EXPECT_EQ(club.dir.Read(c.file), c.line);
    EXPECT_TRUE(club.dialogs.calls.empty());
  }
}

TEST(ResultEntry, AppendsToAnExistingMonthFile) {
  EntryClub club;
  club.dir.Write("RS202606.DAT", "\"20260601\",1,2,\" \"\r\n");
  ASSERT_EQ(club.Save(Entry("2026", "6", "2", "3", "2")).kind, Kind::Saved);
  EXPECT_EQ(club.dir.Read("RS202606.DAT"), "\"20260601\",1,2,\" \"\r\n\"20260602\",\"3\",\"2\",\" \"\r\n");
}

TEST(ResultEntry, FutureDateIsRefusedWithItsMessage) {
  EntryClub club;
  const auto out = club.Save(Entry("2026", "12", "09", "1", "2"));
  EXPECT_EQ(out.kind, Kind::Future);
  EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{"Are you a fortune teller?"});
  EXPECT_EQ(club.dialogs.Beeps(), 1);
  EXPECT_TRUE(club.dir.Files().empty());
}

TEST(ResultEntry, DeletedPlayerIsAskedAbout) {
  for (Answer answer : {Answer::Ok, Answer::Cancel}) {
    EntryClub club;
    club.dialogs.Answer(answer);
    const auto out = club.Save(Entry("2026", "12", "01", "1", "4"));
    const auto calls = club.dialogs.MessageCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, "Player 4 is deleted\rIs the result valid?");
    EXPECT_EQ(calls[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(calls[0].icon, Icon::Question);
    if (answer == Answer::Ok) {
      EXPECT_EQ(out.kind, Kind::Saved);
      EXPECT_EQ(club.MonthFile(12), "\"20261201\",\"1\",\"4\",\" \"\r\n");
    } else {
      EXPECT_EQ(out.kind, Kind::Cancelled);
      EXPECT_EQ(out.field, EntryField::Winner);
      EXPECT_TRUE(club.dir.Files().empty());
    }
  }
}

TEST(ResultEntry, MonthFileThatCannotBeWrittenIsReportedAndLeftAsItWas) {
  EntryClub club;
  // The month file's name is taken by a folder: nothing can be appended.
  std::filesystem::create_directory(club.dir.path() / "RS202606.DAT");
  const auto out = club.Save(Entry("2026", "06", "01", "1", "2"));
  EXPECT_EQ(out.kind, Kind::NotWritten);
  ASSERT_EQ(club.dialogs.MessageCalls().size(), 1u);
  EXPECT_EQ(club.dialogs.MessageCalls()[0].icon, Icon::Critical);
  EXPECT_EQ(club.dialogs.Messages()[0].rfind("The result was not saved: RS202606.DAT could not be written.\r", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_directory(club.dir.path() / "RS202606.DAT"));
}

}  // namespace
}  // namespace hrs::test
