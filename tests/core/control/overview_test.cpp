#include <gtest/gtest.h>

#include "control_club.h"
#include "core/control/duel_count.h"
#include "core/control/file_overview.h"
#include "core/control/result_overview.h"
#include "core/data/month_file.h"
#include "core/data/setup_file.h"
#include "support/list_lines.h"

namespace hrs::test {
namespace {

using test::Lines;

// Two players; June has a tournament (the 14th) and two typed results.
struct OverviewClub : ControlClub {
  OverviewClub() : ControlClub(2) {
    Tournament("RQTP0042.DAT", "20260614", {"1,2,3,4,\" \"", "10002,1,4,3,\"X\""});
    Registry({"RQTP0042.DAT"});
    dir.Write(MonthFileName(2026, 6), "\"20260601\",\"2\",\"1\",\" \"\r\n\"20260630\",\"1\",\"999999\",\"X\"\r\n");
  }
  void Month(int month) {
    Option2Click(form, db, dialogs, clock);
    List1DblClick(form, db, dialogs, clock, month - 1);
  }
};

TEST(FileOverview, RegistryAndMonthFiles) {
  OverviewClub club;
  club.dir.Write(MonthFileName(2026, 1), "");
  club.dir.Write("0042fast.dat", "\"Spring Swiss\",20260614\r\n");
  club.dir.Write("RQTPA123.DAT", "");  // a code ending in digits without its setup file
  club.dir.Write("rqtpxyzw.dat", "");  // one that is left out
  ControlCentreLoad(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(Lines(club.form.List1),
            (std::vector<std::string>{"RQTP-0042.DAT", "RS2026-01.DAT", "RS2026-06.DAT"}));
  EXPECT_EQ(Lines(club.form.List2), (std::vector<std::string>{"0042 Spring Swiss", "A123 QTP name not found"}));
  EXPECT_TRUE(club.dialogs.calls.empty());
}

TEST(FileOverview, RegistryOfNoTournaments) {
  ControlClub club(1);
  club.Registry({"No QTP files"});
  const auto overview = BuildFileOverview(club.db, MissingRegistry::Create);
  EXPECT_EQ(overview.lines, std::vector<std::string>{"No QTP files"});
  EXPECT_TRUE(BuildResultOverview(club.db, 2026, 6).lines.empty());
  EXPECT_EQ(CountDuelsInBase(club.db, club.clock), 0);
}

TEST(ResultOverview, JuneShowsTheTournamentWithItsDayThenTheMonthFile) {
  OverviewClub club;
  club.Month(6);
  const auto& show = club.form.listShow;
  EXPECT_TRUE(show.visible);
  EXPECT_EQ(show.caption, "Overview for June 2026");
  EXPECT_EQ(show.frameCaption, " Day  Winner   Loser Draw");
  EXPECT_EQ(Lines(show.List1), (std::vector<std::string>{
                                   "14       1       2    ",
                                   "14   10002       1   X",
                                   "01       2       1    ",
                                   "30       1  999999   X",
                               }));
  EXPECT_EQ(show.List1.selected, std::vector<int>{0});

  // A click names the players; a membership number is looked up, an unknown id left out.
  ListShowClick(club.form, club.db, 1);
  EXPECT_EQ(club.form.Label7.caption, "Duels this month: 4\r\rWinner: Player2\rLoser:  Player1");
  ListShowClick(club.form, club.db, 3);
  EXPECT_EQ(club.form.Label7.caption, "Duels this month: 4\r\rWinner: Player1");
}

TEST(ResultOverview, MonthWithoutResultsClearsTheCountsOfTheMonthBefore) {
  OverviewClub club;
  club.Month(6);
  ListShowClick(club.form, club.db, 1);
  // Enter on the selected month runs it, as a double click does.
  club.form.List1.listIndex = 6;
  club.form.List1.selected = {6};
  List1KeyEnter(club.form, club.db, club.dialogs, club.clock);
  EXPECT_FALSE(club.form.listShow.visible);
  EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{"No results to show"});
  EXPECT_TRUE(club.form.List1.selected.empty());
  EXPECT_EQ(club.form.Label7.caption, " DblClick month ");
  // Without a chosen month Enter does nothing.
  List1KeyEnter(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.dialogs.Messages().size(), 1u);
}

TEST(ResultOverview, MissingTournamentFileIsToldAndTheMonthFileStillListed) {
  OverviewClub club;
  club.Registry({"RQTP0042.DAT", "RQTP0099.DAT"});
  club.Month(6);
  EXPECT_EQ(club.form.listShow.List1.lines.size(), 4u);
  EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{"Tournament file(s) not found\rPlease check File Overview"});
}

TEST(ResultOverview, StopsAtTheLimit) {
  ControlClub club(2);
  std::string bytes;
  for (int i = 0; i < 32701; ++i) bytes += "\"20260301\",1,2,\" \"\r\n";
  club.dir.Write(MonthFileName(2026, 3), bytes);
  const auto out = RunResultOverview(club.db, 2026, 3, club.dialogs);
  EXPECT_EQ(out.lines.size(), 32700u);
  const auto calls = club.dialogs.MessageCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "Sorry, too many results\rThe listing stops now");
  EXPECT_EQ(calls[0].title, "Big file");
  EXPECT_EQ(calls[0].icon, Icon::Information);
  bytes.resize(bytes.size() - std::string("\"20260301\",1,2,\" \"\r\n").size());
  club.dir.Write(MonthFileName(2026, 3), bytes);
  club.dialogs.Clear();
  EXPECT_EQ(RunResultOverview(club.db, 2026, 3, club.dialogs).lines.size(), 32700u);
  EXPECT_TRUE(club.dialogs.calls.empty());
}

TEST(DuelCount, CountsTheYearSoFarAndKeepsIt) {
  OverviewClub club;  // June: 2 tournament duels and 2 typed results
  club.dir.Write(MonthFileName(2026, 12), "\"20261201\",\"1\",\"2\",\" \"\r\n");
  // Not registered (removed), not validated, or dated in a month to come: not counted.
  club.Tournament("RQTP0043.DAT", "20260301", {"1,2,1,2,\" \""});
  club.dir.Write("RQTP0044.DAT", "\"20260301\"\r\n1,2,1,2,\" \"\r\n");
  club.Tournament("RQTP0045.DAT", "20261215", {"1,2,1,2,\" \""});
  club.Registry({"RQTP0042.DAT", "RQTP0044.DAT", "RQTP0045.DAT"});
  ASSERT_FALSE(SaveSetup(club.db.location, club.db.setup));
  // On 8 November nothing of December is counted yet.
  club.clock.Set({{2026, 11, 8}, 12, 0, 0});
  Option7Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.form.Label7.caption, " 4 validated duels ");
  EXPECT_TRUE(club.form.Label7.visible);
  club.clock.Set({{2026, 12, 8}, 12, 0, 0});
  Command1Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.form.Label7.caption, " 6 validated duels ");
  EXPECT_EQ(club.db.setup.LatestCount, 6);
  const auto saved = ParseSetupFile(club.dir.Read(SetupFile));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->LatestCount, 6);
  // A removed tournament is not listed either.
  EXPECT_EQ(BuildFileOverview(club.db, MissingRegistry::LeaveAlone).lines.front(), "RQTP-0042.DAT");
}

TEST(DuelCount, AnEarlierRatingYearIsCountedToDecember) {
  ControlClub club(2);
  club.db.setup.RatingYear = 2025;
  club.dir.Write(MonthFileName(2025, 11), "\"20251101\",1,2,\" \"\r\n");
  EXPECT_EQ(CountDuelsInBase(club.db, club.clock), 1);
}

TEST(DuelCount, RecordsCountedAsTheReaderTakesThem) {
  const std::vector<std::string> files = {
      "",
      "\r\n\r\n",
      "\"20260101\",\"1\",\"2\",\" \"\r\n",
      "\"20260101\",\"1\",\"2\",\" \"",  // no last line break
      "\"20260101\",1,2,\" \"\n\"20260102\",3,4,\"X\"\n\n\n",
      "\"2026,0101\",\"1\",\"2\",\" \"\r\n",  // a comma inside quotes
      "\"20260101\",\"1\"\r\n\"2\",\" \"\r\n\"20260102\",\"1\"\r\n",  // values across lines, the last cut short
      "\r\n\"20260101\",1,2,\" \"\r\n",  // an empty line is one empty value
      "\"20260101\",1,2,\" \"\r\n\x1A",
      "\"20260101\",1,2,\" \"\r\n   \r\n",
      "\"a\" x,1,2,3\r\n",
  };
  for (const auto& bytes : files) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(CountRecords(bytes, 4), ParseMonthFile(bytes).size());
  }
}

}  // namespace
}  // namespace hrs::test
