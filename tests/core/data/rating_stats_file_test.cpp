#include "core/data/rating_stats_file.h"

#include <gtest/gtest.h>

#include "core/data/prev_ranking_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

TEST(RatingStatsFile, RoundTripAndRowsAfterPlayerCountGetFirstRating) {
  TempDir dir;
  RatingStats s;
  s.At(1, 1) = 1600;
  s.At(1, 13) = 1712;
  s.At(2, 1) = 1500;
  ASSERT_FALSE(SaveRatingStatistics(dir.Location(), s, 2));
  EXPECT_EQ(dir.Read("ratstat.hrs"), "1600,0,0,0,0,0,0,0,0,0,0,0,1712\r\n1500,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
  ScriptedDialogs dialogs;
  RatingStats back;
  ASSERT_TRUE(LoadRatingStatistics(dir.Location(), back, 2, 1550, dialogs));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(back.At(1, 13), 1712);
  EXPECT_EQ(back.At(3, 1), 1550);
  EXPECT_EQ(back.At(PlayerCapacity, 1), 1550);
  EXPECT_EQ(back.At(3, 2), 0);
}

// The file as written and in the forms another program or an editor may
// leave: two players, the first row's first and last value, the second's last.
TEST(RatingStatsFile, EveryFormOfTheNumbersReadsTheSame) {
  const std::string row = "1,0,0,0,0,0,0,0,0,0,0,0,";
  struct Case {
    std::string text;
    bool ok;
    int first = 0, last = 0, secondLast = 0;
  } cases[] = {
      {row + "13\r\n" + row + "-26\r\n", true, 1, 13, -26},
      {row + "13\n" + row + "26", true, 1, 13, 26},  // LF only, no last line break
      {"\"1\"," + row.substr(2) + "13\r\n" + row + "26\r\n", true, 1, 13, 26},  // quoted
      {" 1 ," + row.substr(2) + "13\r\n" + row + "26\r\n", true, 1, 13, 26},  // blanks
      {"0001," + row.substr(2) + "00013\r\n" + row + "000026\r\n", true, 1, 13, 26},  // leading zeros
      {row + "\r\n" + row + "26\r\n", true, 1, 0, 26},  // an empty value is 0
      {"1,0,0,0,0,0,0\r\n0,0,0,0,0,13\r\n" + row + "26\r\n", true, 1, 13, 26},  // a row over two lines
      {row + "13\r\n" + row + "26\r\nrest of the file\r\n", true, 1, 13, 26},
      {row + "40000\r\n" + row + "26\r\n", false},
      {row + "13\r\n1,2\r\n", false},  // values short
  };
  for (const auto& c : cases) {
    RatingStats s;
    ASSERT_EQ(ParseRatingStats(c.text, 2, s), c.ok) << c.text;
    if (!c.ok) continue;
    EXPECT_EQ(s.At(1, 1), c.first) << c.text;
    EXPECT_EQ(s.At(1, 13), c.last) << c.text;
    EXPECT_EQ(s.At(2, 13), c.secondLast) << c.text;
  }
}

TEST(RatingStatsFile, FewerLinesThanPlayersAsksAndRewritesWithFirstRating) {
  TempDir dir;
  dir.Write("ratstat.hrs", "1600,0,0,0,0,0,0,0,0,0,0,0,1712\r\n");
  ScriptedDialogs dialogs;
  RatingStats s;
  ASSERT_TRUE(LoadRatingStatistics(dir.Location(), s, 3, 1550, dialogs));
  ASSERT_EQ(dialogs.MessageCalls().size(), 1u);
  EXPECT_EQ(dialogs.MessageCalls()[0].text, "Rating statistics not found\r\rPlease confirm if this is correct");
  EXPECT_EQ(dialogs.MessageCalls()[0].buttons, Buttons::YesNo);
  const std::string row = "1550,0,0,0,0,0,0,0,0,0,0,0,0\r\n";
  EXPECT_EQ(dir.Read("ratstat.hrs"), row + row + row);
  EXPECT_EQ(dir.Read("ratstat.hrs.damaged"), "1600,0,0,0,0,0,0,0,0,0,0,0,1712\r\n");
}

TEST(RatingStatsFile, RefusedRepairOrCreationEndsAndWritesNothing) {
  TempDir dir;
  dir.Write("ratstat.hrs", "1600,x\r\n");
  ScriptedDialogs dialogs;
  dialogs.Answer(Answer::No);
  RatingStats s;
  EXPECT_FALSE(LoadRatingStatistics(dir.Location(), s, 1, 1600, dialogs));
  EXPECT_EQ(dir.Read("ratstat.hrs"), "1600,x\r\n");
  TempDir empty;
  dialogs.Answer(Answer::Cancel);
  EXPECT_FALSE(LoadRatingStatistics(empty.Location(), s, 1, 1600, dialogs));
  EXPECT_TRUE(empty.Files().empty());
  EXPECT_EQ(dialogs.Messages().back(), "File of rating statistics not found\r\rPlease confirm file creation");
}

TEST(RatingStatsFile, CreationWritesZeroRowsAndNoPlayersWritesNothing) {
  TempDir dir;
  ScriptedDialogs dialogs;
  RatingStats s;
  ASSERT_TRUE(LoadRatingStatistics(dir.Location(), s, 1, 1600, dialogs));
  EXPECT_EQ(dir.Read("ratstat.hrs"), "0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
  dir.Write("ratstat.hrs", "keep");
  ASSERT_FALSE(SaveRatingStatistics(dir.Location(), s, 0));
  EXPECT_EQ(dir.Read("ratstat.hrs"), "keep");
}

TEST(PrevRankingFile, DateLineThenSysIds) {
  TempDir dir;
  PrevRanking r{{{1997, 8, 15}, 14, 30, 0}, {12, 3, 57}};
  ASSERT_FALSE(WritePrevRanking(dir.Location(), r));
  EXPECT_EQ(dir.Read("orank.hrs"), "#1997-08-15 14:30:00#\r\n12\r\n3\r\n57\r\n");
  auto back = ReadPrevRanking(dir.Location(), 57);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->taken, r.taken);
  EXPECT_EQ(back->sysIds, r.sysIds);
  EXPECT_FALSE(ParsePrevRanking("\"not a date\"\r\n1\r\n", 5));
  EXPECT_FALSE(ParsePrevRanking("#1997-08-15 14:30:00#\r\nabc\r\n", 5));
  EXPECT_FALSE(ReadPrevRanking(TempDir().Location(), 5));
  // Sys Ids outside the table, and more lines than players, are read errors.
  EXPECT_FALSE(ParsePrevRanking("#1997-08-15 14:30:00#\r\n0\r\n", 5));
  EXPECT_FALSE(ParsePrevRanking("#1997-08-15 14:30:00#\r\n6\r\n", 5));
  EXPECT_FALSE(ParsePrevRanking("#1997-08-15 14:30:00#\r\n1\r\n2\r\n3\r\n", 2));
  EXPECT_TRUE(ParsePrevRanking("#1997-08-15 14:30:00#\r\n2\r\n1\r\n", 2));
}

}  // namespace
}  // namespace hrs
