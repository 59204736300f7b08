#include "core/tournament/playoff.h"

#include <gtest/gtest.h>

#include "core/data/file_io.h"
#include "core/tournament/tournament_files.h"
#include "playoff_club.h"

namespace hrs {
namespace {

using test::PlayoffClub;

// Groups by rating of 8: group 1 = 1, 4, 6, 8 and group 2 = 2, 3, 5, 7; the
// lower Sys Id wins, so the ranks across the groups are 1, 2, 4, 3, 6, 5, 8, 7.
TEST(Playoff, QualificationViewStarsAndTexts) {
  PlayoffClub club;
  club.Qualify(0);
  EXPECT_EQ(club.Lines().front(), "  1  6 1.000 1.00000 Player01");
  EXPECT_EQ(club.Lines()[4], "  2  6 1.000 1.00000 Player02");
  EXPECT_EQ(club.Lines()[7], "     0 0.000 0.00000 Player07");
  EXPECT_EQ(club.l2.Label2.caption, "     G     P   P-ratio       D-ratio    Name");
  EXPECT_EQ(club.l2.captionFont, "Sans Serif");
  EXPECT_TRUE(club.l2.Check2.visible);
  List1DblClick(club.l2, 1);
  EXPECT_EQ(club.Lines()[1], "*    4 0.667 0.66667 Player04");
  List1DblClick(club.l2, 1);
  EXPECT_EQ(club.Lines()[1], "     4 0.667 0.66667 Player04");
}

TEST(Playoff, MissingResultsRefuseQualificationAndPairing) {
  PlayoffClub club;
  club.t.matches.At(1, 1, MfFirstWon) = 0;
  club.t.matches.At(1, 1, MfSecondWon) = 0;
  lt2mnu_poClick(club.l2, club.t, club.db, club.dialogs);
  lt2mnu_pairClick(club.l2, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.dialogs.Messages(),
            (std::vector<std::string>{"Some match results are missing", "Some match results are still missing"}));
}

TEST(Playoff, EightByRankingPairsOneEightFiveFourThreeSixSevenTwo) {
  PlayoffClub club;
  club.Pair(8);
  const int expected[] = {1, 7, 6, 3, 4, 5, 8, 2};  // seeds 1, 8, 5, 4, 3, 6, 7, 2
  for (int p = 1; p <= 8; ++p) EXPECT_EQ(club.Bracket(p, 2), expected[p - 1]) << p;
  EXPECT_EQ(club.Lines()[0], " --------------------------------");
  EXPECT_EQ(club.Lines()[1], "  1 (  1) Player01");
  EXPECT_EQ(club.Lines()[2], "  8 (  7) Player07");
  EXPECT_EQ(club.Lines()[3], " --------------------------------");
  // Match numbers of the rounds: 1-4 quarterfinals, 5-6 semifinals, 7 final, 8 third place.
  const int numbers[][3] = {{1, 1, 1}, {3, 1, 2}, {7, 1, 4}, {1, 4, 5}, {3, 4, 6}, {1, 7, 7}, {3, 7, 8}};
  for (const auto& n : numbers) EXPECT_EQ(club.Bracket(n[0], n[1]), n[2]);
  const auto seeding = LoadSeeding(club.db.location, club.t.base);
  ASSERT_TRUE(seeding);
  EXPECT_EQ(seeding->method, "By tournament ranking");
  EXPECT_EQ(seeding->entries[1].seed, "  8");
  EXPECT_FALSE(club.l2.Command3.visible);
}

TEST(Playoff, SizeQuestionRepeatsAndStarCountIsChecked) {
  PlayoffClub club;
  club.Qualify(7);
  club.dialogs.InputAnswer("6");
  club.dialogs.InputAnswer("8");
  lt2mnu_pairClick(club.l2, club.t, club.db, club.dialogs);
  int inputs = 0;
  for (const auto& c : club.dialogs.calls) inputs += c.kind == "input";
  EXPECT_EQ(inputs, 2);
  EXPECT_EQ(club.dialogs.Messages().back(), "7 players selected, must be 8");
  EXPECT_TRUE(club.l2.qualificationMode);
  List1DblClick(club.l2, 7);  // the eighth star
  club.dialogs.InputAnswer("8");
  lt2mnu_pairClick(club.l2, club.t, club.db, club.dialogs);
  EXPECT_TRUE(club.l2.Command3.visible);
  Command3Click(club.l2, club.t, club.db, club.dialogs, club.random);
  EXPECT_EQ(club.t.playoffSize, 8);
}

TEST(Playoff, RandomDrawShowsNoSeeds) {
  PlayoffClub club;
  // Group 1 qualifies: ranks 1 to 4 are Sys Ids 1, 4, 6, 8.
  for (double n : {0.9, 0.1, 0.1, 0.5}) club.random.Queue(n);  // ranks 4, 1, (1 again), 3, then 2
  club.Pair(4, true);
  EXPECT_EQ(club.random.seedings, 1);
  EXPECT_EQ(club.Lines()[1], " (  8) Player08");
  EXPECT_EQ(club.Lines()[2], " (  1) Player01");
  EXPECT_EQ(club.Lines()[4], " (  6) Player06");
  EXPECT_EQ(club.Lines()[5], " (  4) Player04");
  EXPECT_EQ(LoadSeeding(club.db.location, club.t.base)->method, "Randomly");
}

TEST(Playoff, ResultEntryAdvancesTheWinners) {
  struct Step {
    const char* match;
    const char* a;
    const char* b;
    int row, column, value;  // a bracket cell afterwards
    const char* focus;
  };
  PlayoffClub club;
  club.Pair(8);
  lt2mnu_rpClick(club.l2, club.t, club.db, club.dialogs);
  const Step steps[] = {
      {"1", "1", "1", 1, 3, 0, "Text2"},  // 1-1 refused
      {"7", "2", "0", 1, 9, 0, "Text1"},  // the final before its players are known
      {"2", "0", "2", 1, 5, 3, "Text1"},  // only the second quarterfinal: its winner in the first slot
      {"1", "2", "1", 1, 5, 1, "Text1"},  // then both in their places
      {"1", "2", "1", 2, 5, 3, "Text1"},
      {"3", "2", "0", 3, 5, 4, "Text1"},
      {"4", "0", "2", 4, 5, 2, "Text1"},
      {"5", "2", "0", 3, 8, 3, "Text1"},  // the semifinal's loser to the match for third place
      {"6", "1", "2", 4, 8, 4, "Text1"},
      {"7", "2", "1", 1, 9, 2, "Text1"},
      {"8", "9", "9", 3, 9, 9, "Text1"},  // third place not played
  };
  for (const Step& s : steps) {
    club.Enter(s.match, s.a, s.b);
    EXPECT_EQ(club.Bracket(s.row, s.column), s.value) << s.match << " " << s.a << "-" << s.b;
    EXPECT_EQ(club.l2.focus, s.focus) << s.match;
    club.l2.focus.clear();
  }
  EXPECT_EQ(club.Bracket(1, 8), 1);
  EXPECT_EQ(club.Bracket(2, 8), 2);
  EXPECT_EQ(club.Lines()[0], "  1     2 +  Player01");
  const auto lines = club.Lines();
  EXPECT_EQ(lines.back(), "3rd/4th:");
  EXPECT_EQ(lines[lines.size() - 4], "Final:");
  EXPECT_EQ(lines[lines.size() - 3], "  7     2 +  Player01");
  EXPECT_EQ(lines[lines.size() - 2], "        1    Player02");
  EXPECT_EQ(lines[8], std::string(39, '-'));
  int stored = 0;
  PlayoffTable fromFile;
  ASSERT_TRUE(ReadBracketFile(*ReadWholeFile(club.db.location.DataPath(club.t.base + "selim")), stored, fromFile));
  EXPECT_EQ(fromFile, club.t.playoff);
}

TEST(Playoff, BracketViewOfFourBeforeResults) {
  PlayoffClub club;
  club.Pair(4);
  lt2mnu_rpClick(club.l2, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.Lines(), (std::vector<std::string>{"  1          Player01", "             Player08",
                                                    "  2          Player06", "             Player04",
                                                    std::string(36, '-'), "Final:", "  3          ",
                                                    "             ", "3rd/4th:", "  4          ",
                                                    "             "}));
  EXPECT_TRUE(club.l2.playoffMode);
}

TEST(Playoff, ChangedResultIsAskedAndReplacesTheAdvancedPlayer) {
  PlayoffClub club;
  club.Pair(4);
  lt2mnu_rpClick(club.l2, club.t, club.db, club.dialogs);
  club.Enter("1", "2", "0");
  club.dialogs.Answer(Answer::Cancel);
  club.Enter("1", "0", "2");
  EXPECT_EQ(club.Bracket(1, 5), 1);
  EXPECT_EQ(club.l2.Text1.text, "");
  club.dialogs.Answer(Answer::Ok);
  club.Enter("1", "0", "2");
  EXPECT_EQ(club.Bracket(1, 5), 8);
  const auto calls = club.dialogs.MessageCalls();
  EXPECT_EQ(calls.back().title, "Change of result");
  EXPECT_EQ(calls.back().text, "Please confirm change of result\rNo further validation is done.");
}

TEST(Playoff, MissingBracketAndRepairingAreAsked) {
  PlayoffClub club;
  lt2mnu_rpClick(club.l2, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.dialogs.Messages().back(), "File of single-elimination\rpairing not found.\r\rDid you make it?");
  club.Pair(4);
  club.Qualify(4);
  club.dialogs.InputAnswer("4");
  club.dialogs.Answer(Answer::Cancel);
  lt2mnu_pairClick(club.l2, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.dialogs.MessageCalls().back().title, "New pairing for the playoff");
  EXPECT_FALSE(club.l2.Command3.visible);
}

TEST(Playoff, DeletingTheTournamentRemovesBracketAndSeeding) {
  PlayoffClub club;
  club.Pair(4);
  EXPECT_TRUE(DeleteTournamentFiles(club.db.location, club.t.base).empty());
  EXPECT_FALSE(BracketFileExists(club.db.location, club.t.base));
  EXPECT_FALSE(LoadSeeding(club.db.location, club.t.base));
}

}  // namespace
}  // namespace hrs
