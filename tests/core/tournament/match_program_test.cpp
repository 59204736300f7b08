#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/tournament/schedule.h"
#include "core/tournament/tournament_files.h"
#include "tournament_club.h"

namespace hrs::test {
namespace {

// "round/table: first-second" of every match, by Sys Id.
std::vector<std::string> Pairings(const MatchTable& m, int round) {
  std::vector<std::string> out;
  for (int t = 1; t <= m.Tables(); ++t)
    if (m.IsMatch(round, t))
      out.push_back(std::to_string(t) + ":" + std::to_string(m.At(round, t, MfFirst)) + "-" +
                    std::to_string(m.At(round, t, MfSecond)));
  return out;
}

using Strings = std::vector<std::string>;

TEST(MatchProgram, EightPlayersPlayTwelveMatchesOnFourTables) {
  TournamentClub club(8);
  club.MatchProgram(8);
  const auto calls = club.dialogs.MessageCalls();
  ASSERT_EQ(calls.size(), 2u);  // groups of one size: no 2-1 question
  EXPECT_EQ(calls[0].text, "8 players in the tournament.\rThe group play will be 12 matches in 3 rounds.\r"
                           "You will need 4 tables.");
  EXPECT_EQ(calls[0].title, "Ready to make the match program");
  EXPECT_EQ(calls[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(calls[0].icon, Icon::Question);
  EXPECT_EQ(calls[1].text, "Is this a sanctioned tournament?");
  EXPECT_EQ(calls[1].title, "Sanctioned?");
  // By rating: group 1 is 1, 4, 6, 8 and group 2 is 2, 3, 5, 7.
  const MatchTable& m = club.t.matches;
  EXPECT_EQ(m.Rounds(), 3);
  EXPECT_EQ(m.Tables(), 4);
  EXPECT_EQ(Pairings(m, 1), (Strings{"1:1-4", "2:6-8", "3:2-3", "4:5-7"}));
  EXPECT_EQ(Pairings(m, 2), (Strings{"1:1-6", "2:4-8", "3:2-5", "4:3-7"}));
  EXPECT_EQ(Pairings(m, 3), (Strings{"1:1-8", "2:4-6", "3:2-7", "4:3-5"}));
  EXPECT_EQ(club.t.base, "LT261208");
  EXPECT_TRUE(club.t.matchProgram);
  EXPECT_TRUE(club.form.openLocal2);
  EXPECT_EQ(club.dir.Read("LT261208fast"), ",2,3,4,0,\"\"\r\n");
  // The group file of 2 groups of 4.
  EXPECT_EQ(club.dir.Read("LT261208grup"),
            "4\r\n4\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1,0,0,0,0\r\n4,0,0,0,0\r\n6,0,0,0,0\r\n8,0,0,0,0\r\n"
            "2,0,0,0,0\r\n3,0,0,0,0\r\n5,0,0,0,0\r\n7,0,0,0,0\r\n");
  const std::string kamp = club.dir.Read("LT261208kamp");
  EXPECT_EQ(std::count(kamp.begin(), kamp.end(), '\n'), 3 * 4 * 4);
  EXPECT_EQ(kamp.substr(0, 12), "1\r\n4\r\n0\r\n0\r\n");
}

TEST(MatchProgram, GroupsOfFourAndFiveAndTheLargestTournament) {
  GroupSizes mixed{0, 4, 5, 0, 0, 0, 0, 0, 0};
  GroupTable groups;
  for (int p = 1; p <= 4; ++p) groups.At(1, p, GfSysId) = static_cast<int16_t>(p);
  for (int p = 1; p <= 5; ++p) groups.At(2, p, GfSysId) = static_cast<int16_t>(10 + p);
  const MatchTable m = BuildMatchTable(mixed, groups);
  EXPECT_EQ(m.Rounds(), 5);
  EXPECT_EQ(m.Tables(), 4);
  EXPECT_EQ(Pairings(m, 3), (Strings{"1:1-4", "2:2-3", "3:11-15", "4:12-14"}));
  EXPECT_EQ(Pairings(m, 4), (Strings{"1:11-14", "2:13-15"}));
  EXPECT_EQ(Pairings(m, 5), (Strings{"1:12-13", "2:14-15"}));

  GroupSizes largest{0, 6, 6, 6, 6, 6, 6, 6, 6};
  const MatchProgramFigures f = FiguresOf(largest);
  EXPECT_EQ(f.matches, 120);
  EXPECT_EQ(f.rounds, 5);
  EXPECT_EQ(f.tables, 24);
  // Every pair of a group of 6 meets exactly once.
  std::set<std::pair<int, int>> met;
  for (int r = 1; r <= 5; ++r)
    for (int i = 0; i < 6; i += 2) met.insert(std::minmax(ScheduleOf(6, r)[i] - '0', ScheduleOf(6, r)[i + 1] - '0'));
  EXPECT_EQ(met.size(), 15u);
}

TEST(MatchProgram, SanctionedEventIdAndTheTwoOneQuestion) {
  struct Case {
    const char* eventId;  // nullptr: not sanctioned
    Answer twoOne;
    std::string header;
  };
  const Case cases[] = {
      {"", Answer::No, ",2,5,5,0,\"\"\r\n"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXY", Answer::Yes, "1,2,5,5,1,\"ABCDEFGHIJKLMNOPQRST\"\r\n"},
      {"Club \"night\"", Answer::No, ",2,5,5,1,\"Club 'night'\"\r\n"},
  };
  for (const Case& c : cases) {
    TournamentClub club(11);  // groups of 5 and 6
    club.Select(11);
    ltmnu_grupClick(club.form, club.t, club.db, club.dialogs, club.random);
    club.dialogs.Answer(Answer::Ok);
    club.dialogs.Answer(Answer::Yes);
    club.dialogs.InputAnswer(c.eventId);
    club.dialogs.Answer(c.twoOne);
    ltmnu_matchClick(club.form, club.t, club.db, club.dialogs, club.clock);
    const auto calls = club.dialogs.MessageCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[2].text, "Number of players per group is not the same.\r\rDo you want to award a 2-1 victory "
                             "to all\rplayers in smaller groups?\rIf you do the match point ratio will be disabled.");
    EXPECT_EQ(calls[2].title, "Disable match point ratio as a tiebreaker?");
    EXPECT_EQ(club.dir.Read("LT261208fast"), c.header) << c.eventId;
  }
}

TEST(MatchProgram, Refusals) {
  TournamentClub club(8);
  club.Select(0);
  ltmnu_matchClick(club.form, club.t, club.db, club.dialogs, club.clock);
  SelectionListClick(club.form, 0, club.dialogs);
  ltmnu_matchClick(club.form, club.t, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.dialogs.Messages(), (Strings{"Please select players and make groups", "Please make the groups"}));
  EXPECT_EQ(club.dialogs.Beeps(), 2);

  // Cancel changes nothing; once made, the program refuses to run again.
  TournamentClub again(8);
  again.Select(8);
  ltmnu_grupClick(again.form, again.t, again.db, again.dialogs, again.random);
  again.dialogs.Answer(Answer::Cancel);
  ltmnu_matchClick(again.form, again.t, again.db, again.dialogs, again.clock);
  EXPECT_FALSE(again.t.matchProgram);
  EXPECT_TRUE(again.dir.Files().empty());
  ltmnu_matchClick(again.form, again.t, again.db, again.dialogs, again.clock);
  ASSERT_TRUE(again.t.matchProgram);
  again.dialogs.Clear();
  ltmnu_matchClick(again.form, again.t, again.db, again.dialogs, again.clock);
  EXPECT_EQ(again.dialogs.Messages(), Strings{"The match program for tournament LT261208 is active already\r"});
  ltmnu_callClick(again.form, again.t, again.db, again.dialogs);
  EXPECT_FALSE(again.t.matchProgram);
}

}  // namespace
}  // namespace hrs::test
