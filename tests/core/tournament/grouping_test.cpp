#include <gtest/gtest.h>

#include "core/tournament/grouping.h"
#include "tournament_club.h"

namespace hrs::test {
namespace {

using Ids = std::vector<int>;

TEST(TournamentGrouping, BoundsFollowTheGroupSizes) {
  struct Case { int players, minimum, maximum; };
  for (const Case c : {Case{8, 2, 2}, {11, 2, 2}, {13, 3, 3}, {20, 4, 5}, {40, 7, 8}, {48, 8, 8}}) {
    const GroupBounds b = GroupBoundsFor(c.players);
    EXPECT_EQ(b.minimum, c.minimum) << c.players;
    EXPECT_EQ(b.maximum, c.maximum) << c.players;
  }
}

TEST(TournamentGrouping, OpeningListsTheActivePlayersByName) {
  TournamentClub club(3);
  club.db.players[2].Status = StatusDeleted;
  club.db.players[3].Name = TextField::Of("Aaron Averylongfamilyname-Smith");
  club.db.players[3].Rating = 987;
  LocalFormLoad(club.form, club.t, club.db, club.dialogs);
  ASSERT_EQ(club.form.SelectionList.lines.size(), 2u);
  EXPECT_EQ(club.form.SelectionList.lines[0].line, "Aaron Averylongfamilyna      987");
  EXPECT_EQ(club.form.SelectionList.lines[0].value, 3);
  EXPECT_EQ(club.form.SelectionList.lines[1].line, "Player01                    1990");
  EXPECT_EQ(club.form.Label1.caption,
            "This module supports a tournament for 8 - 48 players with single-elimination playoff  for 4 or 8 "
            "players. Maximum 8 rounds to find the winner.\rClick players to select, click selected players to "
            "remove.\rWhen ready click Perform/Make Groups.");

  SelectionListClick(club.form, 1, club.dialogs);
  EXPECT_EQ(club.form.SelectedList.lines[0].line, "Player01                    1990      2");
  EXPECT_EQ(club.form.SelectionList.lines[1].line, " ");
  SelectionListClick(club.form, 1, club.dialogs);  // a blank line: nothing
  EXPECT_EQ(club.form.Text1.text, "1");
  SelectedListClick(club.form, 0);
  EXPECT_EQ(club.form.SelectionList.lines[1].line, "Player01                    1990");
  EXPECT_EQ(club.form.SelectionList.lines[1].value, 1);
  EXPECT_EQ(club.form.Text1.text, "0");
}

TEST(TournamentGrouping, AnEmptyClubClosesTheWindow) {
  TournamentClub club(0);
  LocalFormLoad(club.form, club.t, club.db, club.dialogs);
  EXPECT_TRUE(club.form.close);
  EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{"No players in the database"});
}

TEST(TournamentGrouping, EightAndFortyEightPlayersNeedNoQuestion) {
  for (int n : {8, 48}) {
    TournamentClub club(n);
    club.Select(n);
    ltmnu_grupClick(club.form, club.t, club.db, club.dialogs, club.random);
    EXPECT_TRUE(club.dialogs.calls.empty()) << n;
    EXPECT_EQ(club.form.groupCount, n / 6 + (n == 8 ? 1 : 0));
    for (int g = 1; g <= club.form.groupCount; ++g) {
      EXPECT_EQ(club.Members(g).size(), n == 8 ? 4u : 6u);
      EXPECT_EQ(club.form.Group[g].lines[0].line, "Group " + std::to_string(g));
      EXPECT_TRUE(club.form.Group[g].visible);
    }
    EXPECT_EQ(club.form.Group[6].visible, n == 48);
    EXPECT_EQ(club.form.Label1.caption, GroupsReadyText);
    EXPECT_EQ(club.random.seedings, 1);
  }
}

TEST(TournamentGrouping, TwentyPlayersByRatingInFiveGroups) {
  TournamentClub club(20);  // Sys Id = rank by rating
  club.Select(20);
  club.dialogs.InputAnswer("5");
  ltmnu_grupClick(club.form, club.t, club.db, club.dialogs, club.random);
  ASSERT_EQ(club.dialogs.calls.size(), 1u);
  EXPECT_EQ(club.dialogs.calls[0].text, "20 players selected\r\rHow many groups (4 - 5)");
  EXPECT_EQ(club.dialogs.calls[0].title, "Number of groups");
  EXPECT_EQ(club.Members(1), (Ids{1, 10, 15, 20}));
  EXPECT_EQ(club.Members(2), (Ids{2, 9, 14, 19}));
  EXPECT_EQ(club.Members(5), (Ids{5, 6, 11, 16}));
  EXPECT_EQ(club.form.Group[1].lines[2].line, "Player10");
  EXPECT_EQ(club.form.Group[1].lines[2].value, 10);
}

TEST(TournamentGrouping, ElevenPlayersByRatingAndAtRandom) {
  TournamentClub byRating(11);
  byRating.Select(11);
  ltmnu_grupClick(byRating.form, byRating.t, byRating.db, byRating.dialogs, byRating.random);
  EXPECT_EQ(byRating.Members(1), (Ids{1, 4, 6, 8, 10}));
  EXPECT_EQ(byRating.Members(2), (Ids{2, 3, 5, 7, 9, 11}));

  // Draws: 0.95 -> player 11, 0.95 again is redrawn, then 1, 2, ...
  TournamentClub atRandom(11);
  atRandom.random = ScriptedRandom{0.95, 0.95, 0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
  atRandom.Select(11);
  atRandom.form.Check1.value = true;
  ltmnu_grupClick(atRandom.form, atRandom.t, atRandom.db, atRandom.dialogs, atRandom.random);
  EXPECT_EQ(atRandom.Members(1), (Ids{11, 2, 4, 6, 8, 10}));
  EXPECT_EQ(atRandom.Members(2), (Ids{1, 3, 5, 7, 9}));
}

TEST(TournamentGrouping, TheGroupQuestionRefusesAndEnds) {
  TournamentClub club(20);
  club.Select(20);
  for (const char* answer : {"9", "x", "3", "6", ""}) club.dialogs.InputAnswer(answer);
  ltmnu_grupClick(club.form, club.t, club.db, club.dialogs, club.random);
  std::vector<std::string> kinds;
  for (const auto& c : club.dialogs.calls) kinds.push_back(c.kind == "message" ? c.text : c.kind);
  EXPECT_EQ(kinds, (std::vector<std::string>{"input", "beep", "input", "beep", "input", "beep",
                                             "Too few groups. Must be minimum 4", "input", "beep",
                                             "Too many groups. Must be maximum 5", "input"}));
  EXPECT_FALSE(club.form.groupsMade);
  for (int g = 1; g <= MaxGroups; ++g) EXPECT_TRUE(club.form.Group[g].lines.empty());
  EXPECT_EQ(club.form.Label1.caption.rfind("One group must be 4, 5 or 6 players. Maximum 8 groups. Examples:", 0), 0u);
}

TEST(TournamentGrouping, TooFewOrTooManyPlayers) {
  TournamentClub club(7);
  club.Select(7);
  ltmnu_grupClick(club.form, club.t, club.db, club.dialogs, club.random);
  EXPECT_EQ(club.dialogs.Messages(), std::vector<std::string>{"Too few players (minimum 8)"});
  EXPECT_EQ(club.dialogs.Beeps(), 1);
}

TEST(TournamentGrouping, TheFortyNinthClickAndChangesAfterGrouping) {
  TournamentClub club(50);
  club.Select(49);
  EXPECT_EQ(club.form.SelectedList.lines.size(), 48u);
  EXPECT_EQ(club.dialogs.Beeps(), 1);
  EXPECT_EQ(club.form.SelectionList.lines[48].line.substr(0, 8), "Player49");

  ltmnu_grupClick(club.form, club.t, club.db, club.dialogs, club.random);
  ASSERT_TRUE(club.form.groupsMade);
  SelectedListClick(club.form, 0);
  EXPECT_FALSE(club.form.groupsMade);
  EXPECT_TRUE(club.form.Group[1].lines.empty());
  EXPECT_FALSE(club.form.Group[6].visible);

  ltmnu_grupClick(club.form, club.t, club.db, club.dialogs, club.random);  // 47: 8 groups
  ASSERT_TRUE(club.form.groupsMade);
  SelectionListClick(club.form, 0, club.dialogs);
  EXPECT_FALSE(club.form.groupsMade);
  EXPECT_TRUE(club.form.Group[8].lines.empty());
}

}  // namespace
}  // namespace hrs::test
