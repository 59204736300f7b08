#include "core/tournament/tournament_reports.h"

#include <gtest/gtest.h>

#include "core/platform/recorded_print_job.h"
#include "playoff_club.h"

namespace hrs {
namespace {

using test::PlayoffClub;
using Page = RecordedPrintJob::Page;

const std::string FrameLine = "HRS 1.24     Tournament LT261208  2026-12-08" + std::string(18, ' ') + "Page 1";

TEST(TournamentReports, FortyEightPlayersGroupsNeedTwoPages) {
  PlayoffClub club(48);
  RecordedPrintJob job;
  lt2mnu_pgClick(club.l2, club.t, club.db, club.dialogs, job, club.clock);
  ASSERT_EQ(job.Pages().size(), 2u);
  const Page& first = job.Pages()[0];
  EXPECT_EQ(first[1], FrameLine);
  EXPECT_EQ(first[3], std::string(23, ' ') + "Round-Robin knockout groups");
  EXPECT_EQ(first[4], std::string(23, ' ') + std::string(27, '='));
  EXPECT_EQ(first[6], "          Group        Player");
  EXPECT_EQ(first[8], "            1    (  1) Player01");
  EXPECT_EQ(first[9], "                 ( 16) Player16");
  EXPECT_EQ(first.size(), 8u + 50u);
  EXPECT_EQ(job.Pages()[1][1].substr(62), "Page 2");
  EXPECT_EQ(job.Pages()[1].size(), 8u + 6u);  // 56 lines of groups
  EXPECT_EQ(job.FontFamily(), "Courier");
}

TEST(TournamentReports, MatchProgramOfTwoGroupsOfFour) {
  PlayoffClub club;
  club.t.matches.At(1, 1, MfFirstWon) = NilNilCode;
  club.t.matches.At(1, 1, MfSecondWon) = NilNilCode;
  club.t.matches.At(1, 2, MfFirstWon) = club.t.matches.At(1, 2, MfSecondWon) = 0;
  RecordedPrintJob job;
  lt2mnu_pmpClick(club.l2, club.t, club.db, club.dialogs, job, club.clock);
  ASSERT_EQ(job.Pages().size(), 1u);
  const Page& page = job.Pages()[0];
  EXPECT_EQ(page[3], std::string(25, ' ') + "Match Program");
  EXPECT_EQ(page[6], "Round Table     Player               Result      Player");
  const std::vector<std::string> body(page.begin() + 8, page.end());
  ASSERT_EQ(body.size(), 12u + 3u);
  EXPECT_EQ(body[0], "  1     1 (  1) Player01                    0-0 (  4) Player04");
  EXPECT_EQ(body[1], "  1     2 (  6) Player06                     -  (  8) Player08");
  EXPECT_EQ(body[2], "  1     3 (  2) Player02                    2-0 (  3) Player03");
  for (size_t blank : {4u, 9u, 14u}) EXPECT_EQ(body[blank], "") << blank;
}

TEST(TournamentReports, StandingsWithTheTwoOneOption) {
  for (bool twoOne : {false, true}) {
    PlayoffClub club;
    club.l2.Check2.value = twoOne;
    RecordedPrintJob job;
    lt2mnu_ppqClick(club.l2, club.t, club.db, club.dialogs, job, club.clock);
    const Page& page = job.Pages().at(0);
    EXPECT_EQ(page[3], std::string(21, ' ') + "Round-Robin Standings");
    const size_t header = twoOne ? 8 : 6;
    if (twoOne) {
      EXPECT_EQ(page[6], "  Players in small groups have been awarded a 2-1 victory.");
    }
    EXPECT_EQ(page[header], "                     Point    Duel");
    EXPECT_EQ(page[header + 1], "        Group Points Ratio   Ratio       Player");
    EXPECT_EQ(page[header + 3], twoOne ? "          1      6    0.000 1.00000 (  1) Player01"
                                       : "          1      6    1.000 1.00000 (  1) Player01");
    EXPECT_EQ(page[header + 7], "");
    EXPECT_EQ(page[header + 8].substr(0, 11), "          2");
  }
}

TEST(TournamentReports, PlayoffSheets) {
  const std::vector<std::string> random8 = {
      "        (  7) Player07               ________",
      "        (  1) Player01                       | ",
      "                                             |--------",
      "        (  5) Player05               ________|        |",
      "        (  3) Player03                                |",
      "                                                      |--------",
      "        (  8) Player08               ________         |",
      "        (  2) Player02                       |        |",
      "                                             |--------",
      "        (  4) Player04               ________|",
      "        (  6) Player06",
  };
  PlayoffClub club;
  // Ranks 8, 1, 6, 4, 7, 2, 3, 5 of the Sys Ids 1, 2, 4, 3, 6, 5, 8, 7.
  for (double n : {0.9, 0.1, 0.7, 0.4, 0.8, 0.2, 0.3, 0.5}) club.random.Queue(n);
  club.Pair(8, true);
  RecordedPrintJob job;
  lt2mnu_popClick(club.l2, club.t, club.db, club.dialogs, job, club.clock);
  const Page& page = job.Pages().at(0);
  EXPECT_EQ(page[1], "   Tournament LT261208  2026-12-08  Page 1");
  EXPECT_EQ(page[3], std::string(15, ' ') + "Single Elimination Playoff");
  EXPECT_EQ(page[6], std::string(15, ' ') + "Seeding method: Randomly");
  EXPECT_EQ(std::vector<std::string>(page.begin() + 9, page.end()), random8);

  PlayoffClub four;
  four.Pair(4);
  lt2mnu_popClick(four.l2, four.t, four.db, four.dialogs, job, four.clock);
  EXPECT_EQ(std::vector<std::string>(job.Pages()[0].begin() + 9, job.Pages()[0].end()),
            (std::vector<std::string>{"      1 (  1) Player01               ________",
                                      "      4 (  8) Player08                       | ",
                                      "                                             |--------",
                                      "      3 (  6) Player06               ________|",
                                      "      2 (  4) Player04"}));
}

TEST(TournamentReports, MissingPairingAndCancelledPrinterPrintNothing) {
  PlayoffClub club;
  RecordedPrintJob job;
  lt2mnu_popClick(club.l2, club.t, club.db, club.dialogs, job, club.clock);
  EXPECT_EQ(club.dialogs.Messages().back(), "Pairing not found. Did you make it?");
  club.dialogs.PrinterAnswer(false);
  lt2mnu_pgClick(club.l2, club.t, club.db, club.dialogs, job, club.clock);
  EXPECT_EQ(job.Documents(), 0);
}

TEST(TournamentReports, SanctionedReportsMasterListThenMatches) {
  PlayoffClub club;
  club.t.matches.At(1, 1, MfFirstWon) = club.t.matches.At(1, 1, MfSecondWon) = 1;
  club.dialogs.Answer(Answer::Yes);
  club.dialogs.InputAnswer("EV9");
  RecordedPrintJob job;
  lt2mnu_srClick(club.l2, club.t, club.db, club.dialogs, job, club.clock);
  const Page& page = job.Pages().at(0);
  EXPECT_EQ(page[3], std::string(13, ' ') + "DC Master List for event EV9");
  EXPECT_EQ(page[6], std::string(11, ' ') + "  No Name                       DC-Number");
  EXPECT_EQ(page[8], "              1 Player01                            10001");
  EXPECT_EQ(page[17], std::string(13, ' ') + "Tournament Report for event EV9");
  EXPECT_EQ(page[20], "Round Winner  Loser Draw Winner  Loser Draw Winner  Loser Draw");
  EXPECT_EQ(page[22], "  1    10001  10004   X   10006  10008       10002  10003      ");
  EXPECT_EQ(page[23], "  1    10005  10007      ");
  EXPECT_EQ(page[24].substr(0, 6), "  2   ");

  PlayoffClub declined;
  declined.dialogs.Answer(Answer::No);
  lt2mnu_srClick(declined.l2, declined.t, declined.db, declined.dialogs, job, declined.clock);
  EXPECT_EQ(declined.dialogs.Messages().back(), "This tournament is not sanctioned\r\rShould it be?");
  EXPECT_EQ(job.Documents(), 1);
}

}  // namespace
}  // namespace hrs
