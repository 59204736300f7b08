#include <gtest/gtest.h>

#include "core/data/prev_ranking_file.h"
#include "core/lists/ranking_list.h"
#include "lists_club.h"

namespace hrs {
namespace {

using test::ListsClub;

// Who is listed, in which order, with which movements.
struct RankingClub : ListsClub {
  RankingClub() {
    Add("Anna", 1500, 2, 0, 1);                       // 1
    Add("Bert", 0, 5);                                // 2: no rating
    Add("Carl", 1700, 1, 1, 1, StatusDeleted);        // 3
    Add(" ", 1650, 3, 0, 0, StatusVoid);              // 4
    Add("Dora", 1600, 0, 1, 0);                       // 5: one adjustment
    Add("Erik", 1550, 1, 0, 0);                       // 6: one, carried 2 more
    Add("Fred", 1500, 1, 1, 1);                       // 7: equal to Anna
    db.setup.MinAdjustments = 3;
    db.players[6].CarriedCounts = TextField::Of("00010010000");
    db.players[1].PrevRating = 1480;  // 20 up
    db.players[6].PrevRating = 1560;  // 10 down
    db.players[7].PrevRating = 1500;  // unchanged
  }
};

TEST(RankingListOnScreen, ListsRatedActivePlayersWithEnoughAdjustments) {
  RankingClub club;
  const ListViewContent view = RankingListView(club.db, std::nullopt);
  EXPECT_EQ(view.caption, "Ranking List");
  EXPECT_EQ(view.header, " Rank  Id  Name                       Rating  +/- Rank+/-");
  EXPECT_TRUE(view.selectFirst);
  // Equal ratings in the printout's order: more won first.
  const std::vector<std::string> expected = {
      "   1    6 Erik                         1550  10-",
      "   2    1 Anna                         1500  20+",
      "   3    7 Fred                         1500     ",
  };
  EXPECT_EQ(view.lines, expected);
}

TEST(RankingListOnScreen, RankMovementsFromThePreviousRanking) {
  RankingClub club;
  club.db.setup.MinAdjustments = 0;
  // Erik was 1st, Dora 2nd, Anna 3rd; Fred was not ranked.
  const PrevRanking previous{{{2026, 11, 2}, 9, 0, 0}, {6, 5, 1}};
  const ListViewContent view = RankingListView(club.db, previous);
  EXPECT_EQ(view.caption, "Ranking List with movements since 2026-11-02");
  const std::vector<std::string> expected = {
      "   1    5 Dora                         1600         1+",
      "   2    6 Erik                         1550  10-    1-",
      "   3    1 Anna                         1500  20+",
      "   4    7 Fred                         1500     ",
  };
  EXPECT_EQ(view.lines, expected);
}

// Right after a snapshot nobody has moved: equal ratings stand on the screen
// as in the printout that took it, and only a real change shows afterwards.
TEST(RankingListOnScreen, NoMovementThatNeverHappened) {
  ListsClub club;
  for (const char* name : {"Jens", "Sven", "Olga", "Anna", "Nils"}) club.Add(name, 1500, 2, 0, 1);
  club.Add("Bo", 1500, 3, 0, 1);
  club.Add("Cy", 1500, 2, 1, 0);
  club.Add("Dag", 1400);
  ASSERT_TRUE(PrintRankingDynamic(club.db, club.dialogs, club.job, club.clock).snapshotTaken);
  auto movements = [&] {
    std::vector<std::string> moved;
    const auto view = ShowRankingList(club.db, club.dialogs);
    for (const auto& line : view->lines)
      if (line.size() > 48) moved.push_back(line);
    return moved;
  };
  EXPECT_EQ(movements(), std::vector<std::string>{});
  club[8].Rating = 1510;  // Dag passes them all
  EXPECT_EQ(movements().size(), 8u);
  EXPECT_EQ(movements()[0], "   1    8 Dag                          1510 110+    7+");
}

TEST(RankingListOnScreen, AMissingOrDamagedSnapshotShowsNoRankMovements) {
  RankingClub club;
  for (const char* bytes : {"", "#2026-11-02 09:00:00#\r\n1\r\n1999\r\n", "no date\r\n1\r\n"}) {
    if (*bytes) club.dir.Write("orank.hrs", bytes);
    const auto view = ShowRankingList(club.db, club.dialogs);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->caption, "Ranking List") << bytes;
    EXPECT_EQ(view->lines.size(), 3u);
  }
  ListsClub empty;
  EXPECT_FALSE(ShowRankingList(empty.db, empty.dialogs));
  EXPECT_EQ(empty.dialogs.Messages(), std::vector<std::string>{"No players in database"});
  EXPECT_EQ(empty.dialogs.Beeps(), 1);
}

TEST(RankingListOnScreen, ALongNameIsCutToItsColumn) {
  ListsClub club;
  club.Add("Bartholomew Fitzgerald-Ravensworth", 1500);
  EXPECT_EQ(RankingListView(club.db, std::nullopt).lines[0], "   1    1 Bartholomew Fitzgerald-Raven 1500     ");
}

constexpr const char* FirstPage =
    "\n"
    "                               Halvik Club\n"
    "\n"
    "HRS 1.24                                            2026-12-08     Page 1\n"
    "\n"
    "Rank   Id Name                          Rating Won  D Lost\n"
    "\n"
    "   1    1 Sven                           1500    2  0   1\n"
    "   2    2 Jens                           1500    2  0   1\n"
    "   3    3 Olga                           1400    1  0   0\n";

TEST(RankingListPrinted, TheFirstSnapshotCreatesTheFileWithoutAsking) {
  ListsClub club;
  club.Add("Sven", 1500, 2, 0, 1);
  club.Add("Jens", 1500, 2, 0, 1);
  club.Add("Olga", 1400, 1);
  club.Add("Nils", 0);
  const PrintOutcome outcome = PrintRankingDynamic(club.db, club.dialogs, club.job, club.clock);
  EXPECT_TRUE(outcome.printed);
  EXPECT_TRUE(outcome.snapshotTaken);
  EXPECT_EQ(club.job.Text(), FirstPage);
  EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{});
  EXPECT_EQ(club.dir.Read("orank.hrs"), "#2026-12-08 14:30:00#\r\n1\r\n2\r\n3\r\n");
  EXPECT_EQ(club[1].PrevRating, 1500);
  EXPECT_EQ(club[3].PrevRating, 1400);
  EXPECT_EQ(club[4].PrevRating, 0);
  EXPECT_NE(club.dir.Read("player.hrs").find("1500,1500,0,1500,2,0,1"), std::string::npos);
}

TEST(RankingListPrinted, EqualRatingsAndCountsInDescendingNameOrder) {
  ListsClub club;
  club.Add("Jens", 1500, 2, 0, 1);
  club.Add("Sven", 1500, 2, 0, 1);
  club.Add("Olga", 1400, 1);
  PrintRankingDynamic(club.db, club.dialogs, club.job, club.clock);
  const auto& page = club.job.Pages().at(0);
  EXPECT_EQ(page.at(7), "   1    2 Sven                           1500    2  0   1");
  EXPECT_EQ(page.at(8), "   2    1 Jens                           1500    2  0   1");
}

struct SnapshotClub : ListsClub {
  SnapshotClub() {
    Add("Anna", 1520, 3, 1, 0);  // was 2nd at 1500
    Add("Bert", 1490, 1, 0, 2);  // was 1st at 1510
    Add("Cleo", 1450, 1);        // not ranked then, no PrevRating
    db.players[1].PrevRating = 1500;
    db.players[2].PrevRating = 1510;
    db.players[2].CarriedCounts = TextField::Of("0010002 0003");  // at least 11: carried
    snapshot = "#2026-11-28 10:00:00#\r\n2\r\n1\r\n";
    dir.Write("orank.hrs", snapshot);
    EXPECT_FALSE(SavePlayers(db.location, db.players));
    players = dir.Read("player.hrs");
  }
  std::string snapshot, players;
};

TEST(RankingListPrinted, MovementsSinceTheSnapshotAndItsUpdate) {
  SnapshotClub club;
  club.dialogs.Answer(Answer::Yes);  // update now
  const PrintOutcome outcome = PrintRankingDynamic(club.db, club.dialogs, club.job, club.clock);
  ASSERT_EQ(club.dialogs.MessageCalls().size(), 1u);
  const auto ask = club.dialogs.MessageCalls()[0];
  EXPECT_EQ(ask.text,
            "10 days have passed since you updated the file with\rrating/ranking movements. Do you wish to update "
            "this file now?");
  EXPECT_EQ(ask.buttons, Buttons::YesNo);
  EXPECT_EQ(ask.icon, Icon::Question);
  EXPECT_EQ(ask.title, "Old rating/ranking file update");
  EXPECT_EQ(club.job.Text(),
            "\n"
            "                               Halvik Club\n"
            "\n"
            "HRS 1.24    Movements since 2026-11-28    Printed 2026-12-08     Page 1\n"
            "\n"
            "                                                         Rating Rank\n"
            "Rank   Id Name                          Rating Won  D Lost +/-   +/-\n"
            "\n"
            "   1    1 Anna                           1520    3  1   0  20+     1+\n"
            "   2    2 Bert                           1490   11  2   5  20-     1-\n"
            "   3    3 Cleo                           1450    1  0   0     \n");
  EXPECT_TRUE(outcome.snapshotTaken);
  EXPECT_EQ(club.dir.Read("orank.hrs"), "#2026-12-08 14:30:00#\r\n1\r\n2\r\n3\r\n");
  EXPECT_EQ(club[2].PrevRating, 1490);
  EXPECT_EQ(club[3].PrevRating, 1450);
}

TEST(RankingListPrinted, WithoutUpdateTheLayoutQuestionDecidesTheColumns) {
  for (const Answer layout : {Answer::Yes, Answer::No}) {
    SnapshotClub club;
    club.dialogs.Answer(Answer::No);
    club.dialogs.Answer(layout);
    PrintRankingDynamic(club.db, club.dialogs, club.job, club.clock);
    const auto calls = club.dialogs.MessageCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].text, "Do you wish to print the rating/ranking movements?");
    EXPECT_EQ(calls[1].title, "Ranking List layout");
    const auto& page = club.job.Pages().at(0);
    if (layout == Answer::Yes) EXPECT_EQ(page[8], "   1    1 Anna                           1520    3  1   0  20+     1+");
    else EXPECT_EQ(page[7], "   1    1 Anna                           1520    3  1   0");
    EXPECT_EQ(club.dir.Read("orank.hrs"), club.snapshot);
    EXPECT_EQ(club.dir.Read("player.hrs"), club.players);
  }
}

TEST(RankingListPrinted, ACancelledOrFailedPrintoutKeepsTheSnapshot) {
  enum Stop { Font, Printer, Fails };
  for (const Stop stop : {Font, Printer, Fails}) {
    SnapshotClub club;
    club.dialogs.Answer(Answer::Yes);
    if (stop == Font) club.dialogs.FontAnswer(std::nullopt);
    if (stop == Printer) club.dialogs.PrinterAnswer(false);
    if (stop == Fails) club.job.FailAtEnd();
    const PrintOutcome outcome = PrintRankingDynamic(club.db, club.dialogs, club.job, club.clock);
    EXPECT_FALSE(outcome.printed);
    EXPECT_FALSE(outcome.snapshotTaken);
    EXPECT_EQ(club.job.Documents(), stop == Fails ? 1 : 0);
    EXPECT_EQ(club.dir.Read("orank.hrs"), club.snapshot);
    EXPECT_EQ(club.dir.Read("player.hrs"), club.players);
    EXPECT_EQ(club[1].PrevRating, 1500);
    if (stop == Fails) {
      EXPECT_EQ(club.dialogs.Messages().back(), "The document could not be printed.");
    }
  }
}

TEST(RankingListPrinted, FiftyLinesAPageAndNoPageOfHeaderAlone) {
  for (const int players : {50, 51}) {
    ListsClub club;
    for (int i = 0; i < players; ++i) club.Add("P" + std::to_string(100 + i), 2000 - i);
    PrintRankingDynamic(club.db, club.dialogs, club.job, club.clock);
    const auto& pages = club.job.Pages();
    ASSERT_EQ(pages.size(), players == 50 ? 1u : 2u);
    EXPECT_EQ(pages[0].size(), 57u);
    if (players == 51) {
      EXPECT_EQ(pages[1][3], "HRS 1.24                                            2026-12-08     Page 2");
      EXPECT_EQ(pages[1].size(), 8u);
      EXPECT_EQ(pages[1][7].substr(0, 9), "  51   51");
    }
  }
}

TEST(RankingListByMonth, MonthEndRatingsOfEveryRatedPlayer) {
  ListsClub club;
  club.db.setup.MinAdjustments = 5;  // no minimum here
  club.Add("Anna", 1500);
  club.Add("Bert", 1600);
  club.Add("Cleo", 1600, 0, 0, 0, StatusDeleted);
  club.Add("Dora", 0);
  club.History(1, {1510, 1530, 1525});
  club.History(2, {1600, 1520, 1520});
  club.dialogs.InputAnswer("3");
  EXPECT_TRUE(PrintRankingByMonth(club.db, club.dialogs, club.job, club.clock));
  EXPECT_EQ(club.dialogs.calls[2].kind, "input");
  EXPECT_EQ(club.dialogs.calls[2].text, "Enter month (jan = 1 etc.)");
  EXPECT_EQ(club.job.Text(),
            "\n"
            "                               Halvik Club\n"
            "\n"
            "HRS 1.24    Movements in March    Printed 2026-12-08     Page 1\n"
            "\n"
            "                                        Ultimo  Primo\n"
            "Rank   Id Name                          Rating Rating   +/-\n"
            "\n"
            "   1    1 Anna                            1525   1530     5-\n"
            "   2    2 Bert                            1520   1520     0\n");

  // January against the start of the year.
  ListsClub jan;
  jan.Add("Anna", 1500);
  jan.History(1, {1510});
  jan.db.stats.At(1, 1) = 1500;
  jan.dialogs.InputAnswer("1");
  PrintRankingByMonth(jan.db, jan.dialogs, jan.job, jan.clock);
  EXPECT_EQ(jan.job.Pages()[0][8], "   1    1 Anna                            1510   1500    10+");
}

TEST(RankingListByMonth, ThePromptAsksUntilAMonthFits) {
  ListsClub club;
  club.clock.Set({{2026, 4, 20}, 9, 0, 0});
  club.Add("Anna", 1500);
  club.History(1, {1510});
  // Not a number: asked again; after April or out of range: a beep first.
  for (const char* answer : {"x", "5", "0", "13", "2"}) club.dialogs.InputAnswer(answer);
  EXPECT_TRUE(PrintRankingByMonth(club.db, club.dialogs, club.job, club.clock));
  int inputs = 0;
  for (const auto& call : club.dialogs.calls) inputs += call.kind == "input";
  EXPECT_EQ(inputs, 5);
  EXPECT_EQ(club.dialogs.Beeps(), 3);
  EXPECT_EQ(club.job.Pages()[0][3].substr(0, 30), "HRS 1.24    Movements in Febru");

  // The previous month is suggested (December in January); an empty answer ends it.
  club.clock.Set({{2027, 1, 5}, 9, 0, 0});
  EXPECT_EQ(AcceptedMonth("12", club.clock), 12);
  club.dialogs.InputAnswer("");
  EXPECT_FALSE(PrintRankingByMonth(club.db, club.dialogs, club.job, club.clock));
  EXPECT_EQ(club.job.Documents(), 1);
}

TEST(RankingListByMonth, NeedsTheHistoryOfJanuary) {
  ListsClub club;
  club.Add("Anna", 1500);
  club.Add("Bert", 1500);
  EXPECT_FALSE(PrintRankingByMonth(club.db, club.dialogs, club.job, club.clock));
  EXPECT_EQ(club.dialogs.Messages(),
            std::vector<std::string>{"Please run 'Calculate Ratings' in order to re-create the history file"});
  EXPECT_EQ(club.dialogs.calls.size(), 1u);
}

}  // namespace
}  // namespace hrs
