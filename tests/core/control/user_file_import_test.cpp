#include <gtest/gtest.h>

#include <algorithm>

#include "control_club.h"
#include "core/control/user_file_import.h"
#include "core/rating/calculate_ratings.h"

namespace hrs {
namespace {

using test::ControlClub;

// Players 1 to 3 (membership numbers 10001 to 10003), rating year 2026, today 8 December 2026.
struct ImportClub : ControlClub {
  ImportClub() : ControlClub(3) {}
  std::string Line(const UserRecord& r, bool correcting = false) {
    return UserRecordChecker(db, "20261208").ReviewLine(r, correcting);
  }
  // Imports `bytes` as a user file through the window's events.
  void Import(const std::string& bytes) {
    dir.Write("results.csv", bytes);
    dialogs.FileAnswer((dir.path() / "results.csv").string());
    Option6Click(form, db, dialogs, clock);
  }
};

TEST(UserFileImport, ReviewLinesMarkEveryWrongField) {
  ImportClub club;
  struct Case {
    UserRecord record;
    const char* line;
  };
  const std::vector<Case> cases = {
      {{"20260617", "1", "2", "1"}, "20260617         1         2  1 "},
      {{" 20260617 ", "10003", "10001", " 2 "}, "20260617         3         1  2 "},
      {{"20250617", "1", "2", "1"}, "20250617?        1         2  1  Error"},
      {{"20261209", "1", "2", "1"}, "20261209?        1         2  1  Error"},
      {{"19960617", "1", "2", "1"}, "19960617?        1         2  1  Error"},
      {{"20261317", "1", "2", "1"}, "20261317?        1         2  1  Error"},
      {{"2026061", "1", "2", "1"}, "2026061?        1         2  1  Error"},
      {{"20260617", "0", "2", "1"}, "20260617         0?        2  1  Error"},
      {{"20260617", "3", "2", "0"}, "20260617         3         2  0 "},
      {{"20260617", "4", "2", "0"}, "20260617         4?        2  0  Error"},
      {{"20260617", "10002", "2", "0"}, "20260617         2?        2? 0  Error"},
      {{"20260617", "A12", "2", "1"}, "20260617       A12?        2  1  Error"},
      {{"20260617", "1", "2", "3"}, "20260617         1         2  3? Error"},
      {{"20260617", "1", "2", "x"}, "20260617         1         2  x? Error"},
      {{"20260617", "1", "2", ""}, "20260617         1         2   ? Error"},
  };
  for (const auto& c : cases) EXPECT_EQ(club.Line(c.record), c.line) << c.record.date << " " << c.record.player1;
  EXPECT_TRUE(IsErrorLine(cases[2].line));
  EXPECT_FALSE(IsErrorLine(cases[0].line));
  EXPECT_EQ(club.Line({"20260617", "-5", "2", "1"}, true), "20260617        -5?        2  1  Error");
  club.db.setup.RatingYear = 1996;
  EXPECT_EQ(club.Line({"19960617", "1", "2", "1"}), "19960617         1         2  1 ");
}

TEST(UserFileImport, ReadingStopsAtABlankLineOrAfterTheLimitAndCountsWhatItLeft) {
  std::string many;
  for (int i = 0; i < 32005; ++i) many += "20260101,1,2,1\r\n";
  const struct {
    const char* what;
    std::string bytes;
    size_t records;
    const char* unread;
  } cases[] = {
      {"CR LF", "20260101,1,2,1\r\n20260102,2,1,0\r\n", 2, ""},
      {"LF", "20260101,1,2,1\n20260102,2,1,0\n", 2, ""},
      {"CR alone, as the rules ask", "20260101,1,2,1\r20260102,2,1,0\r20260103,1,2,2\r", 3, ""},
      {"CR CR LF", "20260101,1,2,1\r\r\n20260102,2,1,0\r\r\n", 2, ""},
      {"blank lines at the end", "20260101,1,2,1\r\n\r\n\r\n", 1, ""},
      {"blank line", "20260101,1,2,1\r\n20260102,2,1,0\r\n\r\n20260103,1,2,1\r\n\r\n20260104,1,2,1\r\n", 2,
       "2 records after a blank line were not read"},
      {"blank line of CRs", "20260101,1,2,1\r\r20260103,1,2,1\r", 1, "1 records after a blank line were not read"},
      {"over the limit", many, 32001, "4 records over the limit of 32001 were not read"},
  };
  for (const auto& c : cases) {
    const UserFileRecords read = ReadUserFile(c.bytes);
    EXPECT_EQ(read.records.size(), c.records) << c.what;
    EXPECT_EQ(UnreadRecordsLine(read), c.unread) << c.what;
    for (const auto& r : read.records) EXPECT_EQ(r.date.size(), 8u) << c.what;
  }
  const auto cut = ReadUserRecords("20260101,1,2,1\r\n20260102,2\r\n");
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_EQ(cut[1].result, "");
  const auto cr = ReadUserRecords("20260101,1,2,1\r20260102,3,1,0\r");
  EXPECT_EQ(cr[1].player1, "3");
  EXPECT_EQ(cr[1].result, "0");
}

// The operator learns of the records a blank line left unread: last in the
// review, and again in the final message; none of it reaches a month file.
TEST(UserFileImport, RecordsLeftUnreadAreToldInTheReviewAndTheFinalMessage) {
  ImportClub club;
  club.dialogs.Answer(Answer::Ok);
  club.dialogs.Answer(Answer::Yes);
  club.dialogs.Answer(Answer::No);
  club.Import("20260617,1,2,2\r\n\r\n20260618,1,3,1\r\n20260619,1,3,1\r\n");
  const std::string unread = "2 records after a blank line were not read";
  EXPECT_EQ(club.MonthFile(6), "\"20260617\",2,1,\" \"\r\n");
  const auto messages = club.dialogs.Messages();
  ASSERT_EQ(messages.size(), 5u);
  EXPECT_EQ(messages[4], "Match results successfully added to month files\r\r" + unread);

  // With an error: the line ends the list through the correction and the save.
  club.dialogs.Clear();
  club.dialogs.InputAnswer("2");
  club.Import("20260617,1,2,2\r\n20260618,1,1,1\r\n\r\n20260619,1,3,1\r\n");
  ASSERT_EQ(club.form.List1.lines.size(), 3u);
  EXPECT_EQ(club.form.List1.lines[2].line, "1 records after a blank line were not read");
  List1Click(club.form, club.db, 1);
  club.form.Text5.text = "3";
  Command3Click(club.form, club.db, club.dialogs, club.clock);
  Command4Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.MonthFile(6), "\"20260617\",2,1,\" \"\r\n\"20260617\",2,1,\" \"\r\n\"20260618\",1,3,\" \"\r\n");
  EXPECT_EQ(club.dialogs.Messages().back(),
            std::string(ValidatedResultsAdded) + "\r\r1 records after a blank line were not read");
}

TEST(UserFileImport, NoErrorsWrittenWinnerFirstAndTheFileErasedOnRequest) {
  ImportClub club;
  club.dialogs.Answer(Answer::Ok);   // the rules
  club.dialogs.Answer(Answer::Yes);  // add to month files
  club.dialogs.Answer(Answer::Yes);  // erase
  club.Import("20260617,1,2,2\r\n20260618,10003,1,0\r\n20260301,2,3,1\r\n");
  EXPECT_EQ(club.MonthFile(6), "\"20260617\",2,1,\" \"\r\n\"20260618\",3,1,\"X\"\r\n");
  EXPECT_EQ(club.MonthFile(3), "\"20260301\",2,3,\" \"\r\n");
  for (int m = 1; m <= 12; ++m) EXPECT_TRUE(club.dir.Exists(MonthFileName(2026, m))) << m;
  EXPECT_FALSE(club.dir.Exists("results.csv"));
  const auto messages = club.dialogs.Messages();
  ASSERT_EQ(messages.size(), 5u);
  EXPECT_EQ(messages[0], UserFileRules);
  EXPECT_EQ(messages[1], NoErrorsQuestion);
  EXPECT_EQ(messages[2], EraseQuestion);
  EXPECT_EQ(messages[3], "OK, " + (club.dir.path() / "results.csv").string() + " has been erased");
  EXPECT_EQ(messages[4], "Match results successfully added to month files");
  EXPECT_EQ(club.form.mode, ControlMode::FileOverview);

  // The same file imported again files its results again.
  club.dialogs.Answer(Answer::Ok);
  club.dialogs.Answer(Answer::Yes);
  club.dialogs.Answer(Answer::No);
  club.Import("20260301,2,3,1\r\n");
  EXPECT_EQ(club.MonthFile(3), "\"20260301\",2,3,\" \"\r\n\"20260301\",2,3,\" \"\r\n");
  EXPECT_TRUE(club.dir.Exists("results.csv"));
}

// The whole road: two errors, corrected on the screen, saved, then rated.
TEST(UserFileImport, ErrorsCorrectedOnScreenSavedAndRated) {
  ImportClub club;
  club.dialogs.InputAnswer("3");
  club.dialogs.InputAnswer("2");
  club.Import("20260617,1,2,1\r\n20260618,1,1,1\r\n20260619,3,10009,2\r\n20260620,2,3,2\r\n");
  ASSERT_EQ(club.form.List1.lines.size(), 4u);
  EXPECT_EQ(club.form.Label8.caption, "  Date      Player1  Player2 Res");
  const auto inputs = std::count_if(club.dialogs.calls.begin(), club.dialogs.calls.end(),
                                    [](const auto& c) { return c.kind == "input"; });
  EXPECT_EQ(inputs, 2) << "another answer than 1 or 2 asks again";
  EXPECT_EQ(club.dialogs.Messages().back(), CorrectionStart);
  EXPECT_TRUE(club.form.correcting);
  EXPECT_TRUE(club.form.Command3.enabled);
  EXPECT_TRUE(club.form.command3Default);
  EXPECT_EQ(club.form.Label4.caption, "Player 1");

  Command4Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.dialogs.Messages().back(), ErrorsRemain);
  EXPECT_EQ(club.form.List1.selected, std::vector<int>{1});

  // Line 2: the same player twice; corrected to player 3, day 9, a draw.
  List1Click(club.form, club.db, 1);
  EXPECT_EQ(club.form.Text2.text, "06");
  EXPECT_EQ(club.form.Text3.text, "18");
  EXPECT_EQ(club.form.Text4.text, "1");
  EXPECT_EQ(club.form.Text5.text, "1");
  EXPECT_EQ(club.form.Text6.text, "1");
  TextChange(club.form, club.db, "Text5", "3");
  EXPECT_EQ(club.form.Label11.caption, "Player3");
  EXPECT_FALSE(club.form.Pic1.visible);
  club.form.Text3.text = "9";
  Text6GotFocus(club.form);
  EXPECT_EQ(club.form.Text6.text, "2");
  Text6GotFocus(club.form);
  EXPECT_EQ(club.form.Text6.text, "0");
  Command3Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.form.List1.lines[1].line, "20260609         1         3  0 ");

  // Line 3: an unknown membership number; deleted. A line without errors cannot be.
  Command9Click(club.form);
  EXPECT_EQ(club.form.List1.lines.size(), 4u);
  List1Click(club.form, club.db, 2);
  Command9Click(club.form);
  ASSERT_EQ(club.form.List1.lines.size(), 3u);

  Command4Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.dialogs.Messages().back(), ValidatedResultsAdded);
  EXPECT_EQ(club.MonthFile(6), "\"20260617\",1,2,\" \"\r\n\"20260609\",1,3,\"X\"\r\n\"20260620\",3,2,\" \"\r\n");
  EXPECT_EQ(club.form.mode, ControlMode::FileOverview);

  const auto outcome = CalculateRatings(club.db, 1, 12, club.dialogs, club.clock);
  EXPECT_TRUE(outcome.writeErrors.empty());
  EXPECT_GT(club.db.players[1].Won, 0);
  EXPECT_EQ(club.db.players[1].Drawn, 1);
  EXPECT_EQ(club.db.players[3].Won, 1);
  EXPECT_EQ(club.db.players[2].Lost, 2);
}

TEST(UserFileImport, AFailedWriteFilesNoResultAndKeepsTheLinesForAnotherSave) {
  ImportClub club;
  club.dialogs.Answer(Answer::Ok);
  club.dialogs.Answer(Answer::Yes);
  club.dialogs.Answer(Answer::Yes);  // erase: not while results are unwritten
  club.dir.Write(MonthFileName(2026, 3), "\"20260301\",2,3,\" \"\r\n");
  const std::string march = club.MonthFile(3);
  club.dir.Write("results.csv", "20260617,1,2,1\r\n20260302,1,2,1\r\n");
  club.dialogs.FileAnswer((club.dir.path() / "results.csv").string());
  FailWriteStepForTest(30);  // past the journal: June's append already made
  Option6Click(club.form, club.db, club.dialogs, club.clock);
  FailWriteStepForTest(0);
  EXPECT_EQ(club.MonthFile(3), march);
  EXPECT_FALSE(club.dir.Exists(MonthFileName(2026, 6)));
  EXPECT_TRUE(club.dir.Exists("results.csv"));
  const std::string message = club.dialogs.Messages().back();
  EXPECT_EQ(message.find("The results could not be added to the month files; nothing was written.\r"), 0u) << message;
  ASSERT_EQ(club.form.List1.lines.size(), 2u);
  EXPECT_TRUE(club.form.Command4.enabled);
  Command4Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.MonthFile(3), march + "\"20260302\",1,2,\" \"\r\n");
  EXPECT_EQ(club.MonthFile(6), "\"20260617\",1,2,\" \"\r\n");
}

TEST(UserFileImport, UnreadableFilesAndCancelledSteps) {
  ImportClub club;
  club.dialogs.Answer(Answer::Cancel);
  Option6Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.dialogs.calls.size(), 1u) << "Cancel at the rules ends";
  club.dialogs.FileAnswer((club.dir.path() / "missing.csv").string());
  Option6Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.dialogs.Messages().back(), "Error opening file " + (club.dir.path() / "missing.csv").string());
  club.dialogs.InputAnswer("1");
  club.Import("20250101,1,2,1\r\n");
  EXPECT_EQ(club.dialogs.calls.back().text, ErrorsChoicePrompt(1));
  EXPECT_FALSE(club.form.correcting);
  EXPECT_EQ(club.form.List1.lines.size(), 1u) << "shown for inspection";
  for (int m = 1; m <= 12; ++m) EXPECT_FALSE(club.dir.Exists(MonthFileName(2026, m)));
}

}  // namespace
}  // namespace hrs
