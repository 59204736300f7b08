#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli/cli.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"
#include "core/lists/lists_club.h"

namespace hrs {
namespace {

using test::CliRun;

// A saved club of three rated players and one deleted one.
struct SavedListsClub : test::ListsClub {
  SavedListsClub() {
    Add("Anna", 1600, 2, 0, 1, StatusActive, 24061);
    Add("Bert", 1550, 1, 1, 1);
    Add("Carl", 1500, 0, 0, 0, StatusDeleted);
    History(1, {1590, 1600});
    History(2, {1540, 1550});
    SaveAll();
  }
  CliRun Cli(std::vector<std::string> args) { return test::RunCliOn(dir.path(), std::move(args), clock); }
};

TEST(ShowCommand, ScreenListsHeaderFirstAndTheGridWithTabs) {
  SavedListsClub club;
  const auto ranking = club.Cli({"show", "ranking"});
  EXPECT_EQ(ranking.status, 0) << ranking.err;
  EXPECT_EQ(ranking.out,
            " Rank  Id  Name                       Rating  +/- Rank+/-\n"
            "   1    1 Anna                         1600     \n"
            "   2    2 Bert                         1550     \n");
  const auto master = club.Cli({"show", "master-id"});
  EXPECT_EQ(master.out.substr(0, master.out.find('\n')), "  Id Name                         Rate  MbShip");
  const auto history = club.Cli({"show", "history-name"});
  EXPECT_EQ(history.out,
            "Id\tName\tStart\tJan\tFeb\tMar\tApr\tMay\tJun\tJul\tAug\tSep\tOct\tNov\tDec\n"
            "1\tAnna\t1600\t1590\t1600\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"
            "2\tBert\t1550\t1540\t1550\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n");
  EXPECT_EQ(club.Cli({"show", "players"}).status, 1);
  EXPECT_EQ(club.Cli({"show"}).status, 1);
}

TEST(ShowCommand, CsvAndHtmlOfTheListsAndTheGrid) {
  SavedListsClub club;
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  for (const Case& c : std::vector<Case>{
           {{"show", "ranking", "--csv"}, "Rank,Id,Name,Rating,+/-\r\n1,1,Anna,1600,\r\n2,2,Bert,1550,\r\n"},
           {{"show", "--csv", "master-mbship"}, "MbShip,Id,Name,Rate\r\n24061,1,Anna,1600\r\n999999,2,Bert,1550\r\n"},
           {{"show", "history-id", "--csv"},
            "Id,Name,Start,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec\r\n"
            "1,Anna,1600,1590,1600,0,0,0,0,0,0,0,0,0,0\r\n2,Bert,1550,1540,1550,0,0,0,0,0,0,0,0,0,0\r\n"}}) {
    const auto run = club.Cli(c.args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.out);
  }
  const auto html = club.Cli({"show", "master-name", "--html"});
  EXPECT_EQ(html.status, 0);
  EXPECT_EQ(html.out.rfind("<!DOCTYPE html>\n", 0), 0u);
  EXPECT_NE(html.out.find("<h1>Halvik Club</h1>\n<h2>Master List by Name</h2>\n<p class=\"date\">2026-12-08</p>"),
            std::string::npos);
  EXPECT_EQ(club.Cli({"show", "ranking", "--csv", "--html"}).status, 1);
}

TEST(PrintCommand, PagesAsTextAndTheSnapshotOnlyWhenAsked) {
  SavedListsClub club;
  for (int i = 0; i < 60; ++i) club.Add("Extra " + std::to_string(i), 1400);
  ASSERT_FALSE(SavePlayers(club.db.location, club.db.players));
  ASSERT_FALSE(SaveRatingStatistics(club.db.location, club.db.stats, club.db.players.PlayerCount));
  const auto master = club.Cli({"print", "master-name"});
  EXPECT_EQ(master.status, 0) << master.err;
  EXPECT_NE(master.out.find("Page 1\n"), std::string::npos);
  const size_t feed = master.out.find("\n\f\n");
  ASSERT_NE(feed, std::string::npos);
  EXPECT_EQ(master.out.substr(feed + 3, 1), "\n");
  EXPECT_NE(master.out.find("Page 2\n", feed), std::string::npos);

  // The first dynamic printout makes the snapshot file; later ones leave it unless --update.
  const auto first = club.Cli({"print", "ranking"});
  EXPECT_EQ(first.status, 0) << first.err;
  const std::string snapshot = club.dir.Read("orank.hrs");
  EXPECT_EQ(snapshot.substr(0, 27), "#2026-12-08 14:30:00#\r\n1\r\n2");
  club.clock.Set({{2026, 12, 10}, 8, 0, 0});
  const auto movements = club.Cli({"print", "ranking", "--movements"});
  EXPECT_NE(movements.out.find("HRS 1.24    Movements since 2026-12-08    Printed 2026-12-10     Page 1"),
            std::string::npos);
  EXPECT_EQ(movements.err, "");
  EXPECT_EQ(club.dir.Read("orank.hrs"), snapshot);
  EXPECT_EQ(club.Cli({"print", "ranking", "--update"}).status, 0);
  EXPECT_EQ(club.dir.Read("orank.hrs").substr(0, 21), "#2026-12-10 08:00:00#");
}

TEST(PrintCommand, FlagsAnswerTheQuestions) {
  SavedListsClub club;
  const auto month = club.Cli({"print", "ranking-month", "--month", "2"});
  EXPECT_EQ(month.status, 0) << month.err;
  EXPECT_NE(month.out.find("   1    1 Anna                            1600   1590    10+\n"), std::string::npos);
  const auto unasked = club.Cli({"print", "ranking-month"});
  EXPECT_EQ(unasked.status, 3);
  EXPECT_EQ(unasked.out, "");
  EXPECT_EQ(unasked.err.substr(0, 26), "Enter month (jan = 1 etc.)");
  EXPECT_EQ(club.Cli({"print", "ranking-month", "--month", "13"}).status, 2);
  EXPECT_EQ(club.Cli({"print", "master-id", "--landscape"}).status, 1);
  EXPECT_EQ(club.Cli({"print", "history-id", "--month", "2"}).status, 1);
  const auto landscape = club.Cli({"print", "history-id", "--landscape"});
  EXPECT_EQ(landscape.status, 0) << landscape.err;
  EXPECT_NE(landscape.out.find("  Id Name                    Start  Jan  Feb  Mar  Apr  May  Jun  Jul  Aug  Sep  Oct  Nov  Dec\n"),
            std::string::npos);
}

}  // namespace
}  // namespace hrs
