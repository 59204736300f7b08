#include <gtest/gtest.h>

#include "core/platform/recorded_print_job.h"
#include "core/utilities/player_search.h"
#include "core/utilities/rating_adjustments.h"
#include "core/utilities/util_club.h"
#include "support/list_lines.h"

namespace hrs {
namespace {

using test::Lines;

TEST(PlayerSearch, NamesWithoutRegardToCaseAndMembershipNumbersAnywhere) {
  test::UtilClub club;
  const struct {
    const char* text;
    std::vector<int> ids;
  } cases[] = {
      {"BERT", {2}}, {"an", {1}}, {"1234", {1}}, {"1000", {2, 4}}, {"dora", {4}}, {"zz", {}},
  };
  for (const auto& c : cases) {
    std::vector<int> ids;
    for (const auto& hit : SearchPlayers(club.db.players, c.text)) ids.push_back(hit.value);
    EXPECT_EQ(ids, c.ids) << c.text;
  }
  EXPECT_EQ(SearchLine(1, club.db.players[1]), "   1 Anna                         1610  561234");
  EXPECT_EQ(DeletedPlayerLine(4, club.db.players[4]), "   4 Dora                       1400   10004");

  Option1Click(club.form);
  EXPECT_EQ(club.form.listWidthTwips, 6175);
  EXPECT_EQ(club.form.Label1.caption, "Enter Search string.\r\rFrom left to right:\rSys Id, name, current rating, MbShip No");
  EXPECT_FALSE(club.form.Command6.visible);
  EXPECT_EQ(club.form.focus, "Text1");
  Command1Click(club.form, club.db, club.dialogs, club.clock);  // empty: nothing
  EXPECT_TRUE(club.form.List1.lines.empty());
  Text1Change(club.form, "xyz");
  Command1Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(Lines(club.form.List1), std::vector<std::string>{"No hits"});

  Option2Click(club.form, club.db);
  EXPECT_EQ(Lines(club.form.List1), std::vector<std::string>{"   4 Dora                       1400   10004"});
  club.db.players[4].Status = StatusActive;
  Option2Click(club.form, club.db);
  EXPECT_EQ(Lines(club.form.List1), std::vector<std::string>{"No deleted players in database"});
}

// Results of Anna (Sys Id 1, membership 561234): a tournament, then the month files.
struct AdjustmentsTest : ::testing::Test {
  test::UtilClub club;
  void SetUp() override {
    club.Registry({"RQTP0001.DAT"});
    club.Tournament("RQTP0001.DAT", "  20260301", {"2,1,1,2,\" \""});
    club.Month(6,
               "\"20260605\",\"561234\",\"2\",\" \"\r\n"
               "\"20260602\",\"2\",\"1\",\"X\"\r\n"
               "\"20260605\",\"561234\",\"2\",\" \"\r\n"
               "\"20260603\",\"3\",\"999999\",\" \"\r\n");
    UtilActivate(club.form);
  }
  void Enter(const std::string& text) {
    Text1Change(club.form, text);
    Command1Click(club.form, club.db, club.dialogs, club.clock);
  }
};

TEST_F(AdjustmentsTest, ListedUnderEitherIdInTextOrderWithTheLastSelected) {
  EXPECT_EQ(club.form.option, UtilOption::RatingAdjustments);
  EXPECT_TRUE(club.form.Command6.visible);
  EXPECT_FALSE(club.form.Command5.enabled);
  Enter("561234");
  EXPECT_EQ(club.form.Label2.caption, "Rating adjustments for:\r\r1\rAnna");
  EXPECT_TRUE(club.form.Label2.visible);
  EXPECT_EQ(Lines(club.form.List1), (std::vector<std::string>{
                                        "20260301       2 LOST bert                       1",
                                        "20260602       2 DRAW bert                       1",
                                        "20260605       2 WON  bert                  561234",
                                        "20260605       2 WON  bert                  561234",
                                    }));
  EXPECT_EQ(club.form.List1.listIndex, 3);
  EXPECT_TRUE(club.form.Command5.enabled);

  // The unknown opponent; a player without membership gets no unknown player's results.
  Enter("3");
  EXPECT_EQ(Lines(club.form.List1),
            std::vector<std::string>{"20260603  999999 WON  Player not in base         3"});
  club.AddPlayer("Egon", 1500);
  Enter("5");
  EXPECT_EQ(Lines(club.form.List1), std::vector<std::string>{"No results found"});
  EXPECT_FALSE(club.form.Command5.enabled);
  EXPECT_TRUE(club.dialogs.Messages().empty());
}

TEST_F(AdjustmentsTest, WhatIsNoPlayerIsRefused) {
  for (const char* typed : {"abc", "0", "-3", "99999"}) {
    club.dialogs.Clear();
    Enter(typed);
    EXPECT_EQ(club.dialogs.Beeps(), 1) << typed;
    EXPECT_EQ(club.form.focus, "Text1");
    EXPECT_EQ(club.dialogs.Messages(), std::string(typed) == "99999" ? std::vector<std::string>{"Player not found"}
                                                                      : std::vector<std::string>{})
        << typed;
  }
}

TEST_F(AdjustmentsTest, DeletionTakesTheFirstMatchingMonthLineOnly) {
  Enter("1");
  const std::string deletion =
      "Deletion is only possible if the transaction is saved in a month file. If the transaction origins from a QTP "
      "or HRS tournament please load the tournament and make the correction needed.";
  // The last line: one of two identical wins.
  Command5Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.form.Label1.caption, deletion);
  EXPECT_EQ(club.dialogs.Messages(), (std::vector<std::string>{"Please confirm deletion", "Transaction deleted"}));
  EXPECT_EQ(club.dialogs.MessageCalls()[0].title, "Deletion of transaction");
  EXPECT_EQ(club.MonthFile(6),
            "\"20260602\",\"2\",\"1\",\"X\"\r\n"
            "\"20260605\",\"561234\",\"2\",\" \"\r\n"
            "\"20260603\",\"3\",\"999999\",\" \"\r\n");
  EXPECT_EQ(club.form.List1.lines.size(), 3u);

  // The draw, filed with the other player first.
  club.dialogs.Clear();
  List1Click(club.form, 1);
  Command5Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.MonthFile(6), "\"20260605\",\"561234\",\"2\",\" \"\r\n\"20260603\",\"3\",\"999999\",\" \"\r\n");

  // The tournament's result is not in a month file; Cancel keeps a line.
  club.dialogs.Clear();
  List1Click(club.form, 0);
  Command5Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{"Transaction not found in a month file"});
  List1Click(club.form, 1);
  club.dialogs.Answer(Answer::Cancel);
  Command5Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.form.List1.lines.size(), 2u);
  List1Click(club.form, -1);
  club.dialogs.Clear();
  Command5Click(club.form, club.db, club.dialogs);
  EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{"No transaction selected"});
}

TEST_F(AdjustmentsTest, PrintedWithItsHeaderAndFiftyLinesAPage) {
  RecordedPrintJob job;
  Command6Click(club.form, club.db, club.dialogs, job, club.clock);  // nothing listed
  EXPECT_EQ(job.Documents(), 0);
  EXPECT_EQ(club.form.focus, "Text1");

  club.db.setup.ListName = TextField::Of("Halvik Club");
  std::string lines;
  for (int i = 0; i < 48; ++i) lines += "\"20260710\",\"1\",\"3\",\" \"\r\n";
  club.Month(7, lines);
  Enter("1");
  ASSERT_EQ(club.form.List1.lines.size(), 52u);
  Command6Click(club.form, club.db, club.dialogs, job, club.clock);
  ASSERT_EQ(job.Pages().size(), 2u);
  EXPECT_EQ(job.FontFamily(), "Courier");
  const std::vector<std::string> header = {
      "",
      std::string(31, ' ') + "Halvik Club",
      "",
      "HRS 1.24" + std::string(44, ' ') + "2026-12-08     Page 1",
      "",
      "          Rating adjusting match results for 1 Anna",
      "",
      "              Date         Opponent               Result",
      "",
  };
  const auto& page1 = job.Pages()[0];
  ASSERT_EQ(page1.size(), header.size() + 50);
  EXPECT_EQ(std::vector<std::string>(page1.begin(), page1.begin() + 9), header);
  EXPECT_EQ(page1[9], "          20260301       2 bert                         Lost");
  EXPECT_EQ(page1[10], "          20260602       2 bert                         Draw ");
  EXPECT_EQ(page1[11], "          20260605       2 bert                         Won");
  EXPECT_EQ(job.Pages()[1][3], "HRS 1.24" + std::string(44, ' ') + "2026-12-08     Page 2");
  EXPECT_EQ(job.Pages()[1].size(), 9u + 2);
}

}  // namespace
}  // namespace hrs

namespace hrs {
namespace {

// Month files of the usual shape are read by a quicker path; any other shape
// must list the same results as the codec reads them.
TEST(RatingAdjustments, EveryShapeOfMonthFileListsAlike) {
  const std::vector<std::string> expected = {"20260605       2 WON  bert                       1",
                                             "20260606       2 DRAW bert                       1"};
  for (const char* bytes : {
           "\"20260605\",1,2,\" \"\r\n\"20260606\",\"2\",\"1\",\"X\"\r\n",
           "\"20260605\",1,2,\" \"\n\"20260606\",\"2\",\"1\",\"X\"",
           "\"20260605\",1,2,\" \"\r\n\"20260606\", 2 ,1,\"X\"\r\n",
           "\"20260605\",1,2,\" \"\r\n\"20260606\",\"2\"\r\n\"1\",\"X\"\r\n",
       }) {
    test::UtilClub club;
    club.Month(6, bytes);
    std::vector<std::string> lines;
    for (const auto& item : CollectAdjustments(club.db, 1)) lines.push_back(item.line);
    EXPECT_EQ(lines, expected) << bytes;
  }
}

}  // namespace
}  // namespace hrs
