#include <gtest/gtest.h>

#include "core/tournament/local2_form.h"
#include "core/tournament/standings.h"
#include "core/tournament/tournament_files.h"
#include "core/tournament/tournament_lines.h"
#include "tournament_club.h"

namespace hrs::test {
namespace {

using Strings = std::vector<std::string>;

// 8 players: group 1 is Sys Ids 1, 4, 6, 8; group 2 is 2, 3, 5, 7. Matches
// 1: 1-4, 2: 6-8, 3: 2-3, 4: 5-7, 5: 1-6, 6: 4-8, ...
struct RoundRobin : ::testing::Test {
  RoundRobin() : club(8) {
    club.MatchProgram(8);
    Local2FormLoad(form, club.t, club.db, club.dialogs);
    club.dialogs.Clear();
  }
  void Enter(const std::string& match, const std::string& a, const std::string& b) {
    form.Text1.text = match;
    form.Text2.text = a;
    form.Text3.text = b;
    form.focus.clear();
    Command1Click(form, club.t, club.db, club.dialogs);
  }
  Strings Lines() const {
    Strings out;
    for (const auto& item : form.List1.lines) out.push_back(item.line);
    return out;
  }
  TournamentClub club;
  Local2Form form;
};

TEST_F(RoundRobin, TheMatchListAndItsTexts) {
  ASSERT_EQ(form.List1.lines.size(), 12u);
  EXPECT_EQ(form.List1.lines[0].line, " -    1 1 Player01 - Player04");
  EXPECT_EQ(form.List1.lines[1].line, " -    2   Player06 - Player08");
  EXPECT_EQ(form.List1.lines[4].line, " -    5 2 Player01 - Player06");
  EXPECT_EQ(form.List1.lines[4].value, 201);
  EXPECT_EQ(form.List1.lines[11].value, 304);
  EXPECT_EQ(form.Label1.caption, "Please enter the match results as duel results.\rSupported results are: "
                                 "2-0, 2-1, 1-0, 1-1, 0-0, 0-1, 1-2 and 0-2.");
  EXPECT_EQ(form.Label2.caption, "From left: Result - Match - Round - Opponents");
  EXPECT_EQ(form.focus, "Text1");
  // Showing the list ran the standings: the option is no longer empty.
  EXPECT_EQ(club.dir.Read("LT261208fast"), "0,2,3,4,0,\"\"\r\n");
  EXPECT_FALSE(club.t.resultsComplete);
  Text2Change(form);
  EXPECT_EQ(form.focus, "Text1");
  form.Text2.text = "2";
  Text2Change(form);
  EXPECT_EQ(form.focus, "Text3");
}

TEST_F(RoundRobin, RefusedResultsOnlyMoveTheFocus) {
  struct Case { const char* match; const char* a; const char* b; const char* focus; };
  const Case cases[] = {
      {"", "1", "0", "Text1"},  {"1", "x", "0", "Text2"},   {"1", "1", "", "Text3"},
      {"13", "1", "0", "Text1"}, {"0", "1", "0", "Text1"},  {"1", "3", "0", "Text2"},
      {"1", "-1", "0", "Text2"}, {"1", "1.5", "0", "Text2"}, {"1", "0", "3", "Text3"},
      {"1", "2", "2", "Text3"},
  };
  const std::string kamp = club.dir.Read("LT261208kamp");
  for (const Case& c : cases) {
    Enter(c.match, c.a, c.b);
    EXPECT_EQ(form.focus, c.focus) << c.match << " " << c.a << " " << c.b;
  }
  EXPECT_TRUE(club.dialogs.calls.empty());
  EXPECT_EQ(club.dir.Read("LT261208kamp"), kamp);
  EXPECT_EQ(form.List1.lines[0].line.substr(0, 4), " -  ");
}

TEST_F(RoundRobin, ResultsAndTheirFigures) {
  Enter("1", "0", "0");  // 1-4: 0-0
  EXPECT_EQ(form.List1.lines[0].line, "0-0   1 1 Player01 - Player04");
  EXPECT_EQ(club.t.matches.At(1, 1, MfFirstWon), NilNilCode);
  EXPECT_EQ(form.List1.listIndex, 0);
  EXPECT_TRUE(form.Text1.text.empty() && form.Text2.text.empty() && form.Text3.text.empty());
  EXPECT_EQ(club.dir.Read("LT261208kamp").substr(0, 14), "1\r\n4\r\n99\r\n99\r\n");
  Enter("3", "1", "0");  // 2-3: 1-0
  Enter("4", "1", "1");  // 5-7: 1-1
  Enter("3", "0", "1");  // replaced without a question: 3 wins 1-0
  EXPECT_EQ(form.List1.lines[2].line.substr(0, 4), "0-1 ");
  EXPECT_TRUE(club.dialogs.calls.empty());

  RunStandings(form, club.t, club.db, club.dialogs);
  struct Expect { int group, position, points, played, won, matches; };
  for (const Expect e : {Expect{1, 1, 0, 0, 0, 1}, {1, 2, 0, 0, 0, 1},  // 0-0: played, no duels
                         {2, 1, 0, 1, 0, 1}, {2, 2, 2, 1, 1, 1},        // 1-0 of the second player
                         {2, 3, 1, 2, 1, 1}, {2, 4, 1, 2, 1, 1}}) {     // 1-1
    EXPECT_EQ(club.t.groups.At(e.group, e.position, GfPoints), e.points) << e.group << e.position;
    EXPECT_EQ(club.t.groups.At(e.group, e.position, GfDuelsPlayed), e.played) << e.group << e.position;
    EXPECT_EQ(club.t.groups.At(e.group, e.position, GfDuelsWon), e.won) << e.group << e.position;
    EXPECT_EQ(club.t.groups.At(e.group, e.position, GfMatchesPlayed), e.matches) << e.group << e.position;
  }
  EXPECT_EQ(club.dir.Read("LT261208grup").substr(24, 22), "1,0,0,0,1\r\n4,0,0,0,1\r\n");
}

TEST_F(RoundRobin, AllNilNilIsCompleteWithDuelRatioNil) {
  for (int match = 1; match <= 12; ++match) Enter(std::to_string(match), "0", "0");
  lt2mnu_standClick(form, club.t, club.db, club.dialogs);
  EXPECT_TRUE(club.t.resultsComplete);
  EXPECT_FALSE(form.Text1.visible);
  EXPECT_EQ(form.List1.lines[0].line, "1    1 Player01                      0 0.00000 0.000");
  Enter("1", "2", "0");  // the fields are hidden: nothing
  EXPECT_EQ(club.t.matches.At(1, 1, MfFirstWon), NilNilCode);
}

TEST_F(RoundRobin, EqualPointsRankByDuelsNowAndByPointRatioForThePlayoff) {
  Enter("1", "2", "0");  // Player01 beats Player04
  Enter("5", "0", "0");  // Player01 - Player06 0-0
  Enter("2", "1", "2");  // Player08 beats Player06 2-1
  lt2mnu_standClick(form, club.t, club.db, club.dialogs);
  EXPECT_EQ(form.Label2.caption, "G   ID Name                     P D-Ratio P-Ratio");
  EXPECT_EQ(form.Label1.caption, "Current standings. G = Group, P = Points, D-Ratio = Duel Ratio, P-Ratio = Point Ratio.");
  EXPECT_EQ(Lines()[0], "1    1 Player01                      2 1.00000 0.500");
  EXPECT_EQ(Lines()[1], "     8 Player08                      2 0.66667 1.000");
  EXPECT_EQ(Lines()[2], "     6 Player06                      0 0.33333 0.000");
  EXPECT_EQ(Lines()[4].substr(0, 6), "2    2");
  EXPECT_EQ(StandingsKey(club.t, 1, 1, StandingsOrder::Current), "1021.000000.500");
  EXPECT_EQ(StandingsKey(club.t, 1, 1, StandingsOrder::Qualification), "1020.5001.00000");
  EXPECT_EQ(GroupOrder(club.t, 1, StandingsOrder::Qualification), (std::vector<int>{4, 1, 3, 2}));

  lt2mnu_grpClick(form, club.t, club.db);
  EXPECT_EQ(Lines(), (Strings{"1 Player01", "  Player04", "  Player06", "  Player08", " ", "2 Player02",
                              "  Player03", "  Player05", "  Player07", " "}));
  EXPECT_FALSE(form.Label1.visible);
}

TEST_F(RoundRobin, TheTwoExits) {
  Command2Click(form);
  EXPECT_TRUE(form.close);
  EXPECT_TRUE(club.t.matchProgram);
  lt2mnu_exClick(form, club.t);
  EXPECT_FALSE(club.t.matchProgram);
}

TEST(TournamentStandings, SmallerGroupsGetTheTwoOneWin) {
  TournamentClub club(9);  // groups of 4 (1, 4, 6, 8) and 5
  club.Select(9);
  ltmnu_grupClick(club.form, club.t, club.db, club.dialogs, club.random);
  club.dialogs.Answer(Answer::Ok);
  club.dialogs.Answer(Answer::No);
  club.dialogs.Answer(Answer::Yes);
  ltmnu_matchClick(club.form, club.t, club.db, club.dialogs, club.clock);
  ASSERT_EQ(club.dir.Read("LT261208fast"), "1,2,5,4,0,\"\"\r\n");
  Local2Form form;
  Local2FormLoad(form, club.t, club.db, club.dialogs);
  EXPECT_TRUE(form.Check2.value);
  for (int p = 1; p <= 4; ++p) {
    EXPECT_EQ(club.t.groups.At(1, p, GfPoints), 2);
    EXPECT_EQ(club.t.groups.At(1, p, GfDuelsPlayed), 3);
    EXPECT_EQ(club.t.groups.At(1, p, GfDuelsWon), 2);
    EXPECT_EQ(club.t.groups.At(1, p, GfMatchesPlayed), 1);
  }
  EXPECT_EQ(club.t.groups.At(2, 1, GfPoints), 0);
  lt2mnu_standClick(form, club.t, club.db, club.dialogs);
  EXPECT_EQ(form.Label2.caption, "G   ID Name                     P D-Ratio");
  EXPECT_EQ(form.Label1.caption, "Current standings. G = Group, P = Points, D-Ratio = Duel Ratio");
  EXPECT_EQ(form.List1.lines[0].line, "1    1 Player01                      2 0.66667");
  EXPECT_EQ(PointRatio(club.t, 1, 1), 0.0f);
}

}  // namespace
}  // namespace hrs::test
