#include <gtest/gtest.h>

#include "core/data/file_io.h"
#include "core/swiss/export_tournament.h"
#include "core/swiss/turn_lines.h"
#include "swiss_club.h"

namespace hrs::test {
namespace {

using Kind = ExportOutcome::Kind;

std::vector<SortedList::Item> Selected(const SwissClub& club, std::vector<int> ids) {
  SortedList list;
  for (int id : ids) list.Add(SelectedPlayerLine(club.db.players[id].Name.str(), id), id);
  return list.Items();
}

std::vector<std::string> Texts(const ScriptedDialogs& d) {
  std::vector<std::string> texts;
  for (const auto& c : d.calls)
    if (c.kind == "message" || c.kind == "input") texts.push_back(c.text);
  return texts;
}

const char* const Ratings = "Do you wish to export\r\r1. The ratings from the HRS ranking system\r"
                            "2. Default rating (QTP rating update planned)\r\rPlease reply 1 or 2";
const char* const NotSanctioned = "This is not a sanctioned tournament\rMembership Id will not be exported";
const char* const Overwrite = "The export will overwrite the file of pre-registered\rplayers for tournament WINT if "
                              "any.\rReserved slots are not exported.\rProceed?";

TEST(ExportToTournament, AskedThroughFromCodeToTheClosingMessage) {
  SwissClub club;
  club.Tournament("WINT", "open", "open");
  auto lines = Selected(club, {3, 1});
  club.dialogs.InputAnswer(" wint ");
  club.dialogs.InputAnswer("1");
  const ExportOutcome out = ExportToTournament(lines, club.db, club.dialogs);
  ASSERT_EQ(out.kind, Kind::Written);
  EXPECT_EQ(Texts(club.dialogs), (std::vector<std::string>{"Tournament Code:", NotSanctioned, Overwrite, Ratings}));
  EXPECT_EQ(club.ReadQtp("WINTdelt.pre"), "\"Anna Berg\",1850,1,0,0\r\n\"Cecilia Ek\",1640,3,0,0\r\n");
  EXPECT_EQ(out.message, "2 players for tournament WINT\rsuccessfully pre-registered.");
  EXPECT_EQ(club.dialogs.calls[1].icon, Icon::Information);
  EXPECT_EQ(club.dialogs.calls[1].buttons, Buttons::OkCancel);
}

TEST(ExportToTournament, EdgeCasesOfWhatIsExported) {
  const struct {
    const char* what;
    const char* setup;
    std::vector<int> ids;
    int ratings;
    const char* file;
  } cases[] = {
      {"the same player twice, once", "open", {1, 1, 3}, 1, "\"Anna Berg\",1850,1,0,0\r\n\"Cecilia Ek\",1640,3,0,0\r\n"},
      {"sanctioned: no one without membership, the last line neither", "sanctioned", {1, 2, 3, 5}, 1,
       "\"Anna Berg\",1850,1,12345,0\r\n\"Cecilia Ek\",1640,3,23456,0\r\n"},
      {"an older setup file is read as far as it goes", "short", {5, 1}, 1, "\"Anna Berg\",1850,1,12345,0\r\n"},
      {"answer 2: 1600 whatever the first rating", "open", {1, 6}, 2,
       "\"Anna Berg\",1600,1,0,0\r\n\"Eva Gran\",1600,6,0,0\r\n"},
  };
  for (const auto& c : cases) {
    SwissClub club;
    club.Tournament("WINT", "open", c.setup);
    auto lines = Selected(club, c.ids);
    const ExportOutcome out = ExportToTournament(lines, club.db, club.dialogs, {"WINT", c.ratings});
    EXPECT_EQ(out.kind, Kind::Written) << c.what;
    EXPECT_EQ(club.ReadQtp("WINTdelt.pre"), c.file) << c.what;
    EXPECT_EQ(lines.size(), static_cast<size_t>(out.count)) << c.what;
  }
}

TEST(ExportToTournament, SlotsAndForeignLinesAreNeverExported) {
  SwissClub club;
  club.Tournament("WINT", "open", "open");
  std::vector<SortedList::Item> lines = {{SlotLine("Reserved"), 0}, {SelectedPlayerLine("Bo Lund", 2), 2},
                                         {SelectedPlayerLine("Nobody", 77), 77}};
  ASSERT_EQ(ExportToTournament(lines, club.db, club.dialogs, {"WINT", 1}).kind, Kind::Written);
  EXPECT_EQ(club.ReadQtp("WINTdelt.pre"), "\"Bo Lund\",1720,2,0,0\r\n");
  EXPECT_EQ(lines.size(), 1u);
}

TEST(ExportToTournament, AStartedTournamentOnlyAfterYes) {
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    SwissClub club;
    club.Tournament("WINT", "started", "open");
    auto lines = Selected(club, {1});
    club.dialogs.Answer(answer);
    const ExportOutcome out = ExportToTournament(lines, club.db, club.dialogs, {"WINT", 1});
    const auto& ask = club.dialogs.calls[1];
    EXPECT_EQ(club.dialogs.calls[0].kind, "beep");
    EXPECT_EQ(ask.text, "The tournament has started\rDo you wish to export?");
    EXPECT_EQ(ask.title, "Export to active tournament");
    EXPECT_EQ(ask.buttons, Buttons::YesNo);
    EXPECT_EQ(out.kind, answer == Answer::Yes ? Kind::Written : Kind::Cancelled);
    EXPECT_EQ(club.ReadQtp("WINTdelt.pre").empty(), answer == Answer::No);
  }
}

TEST(ExportToTournament, RefusalsWriteNothing) {
  const struct {
    const char* code;
    const char* state;
    const char* setup;
    std::vector<int> ids;
    std::string last;  // the message that ends it
  } cases[] = {
      {"WINT", "open", "open", {}, "No players selected"},
      {"NONE", "", "", {1}, "Tournament code not found\rDid you create the tournament?"},
      {"../WINT", "open", "open", {1}, "Tournament code not found\rDid you create the tournament?"},
      {"WINT", "second", "open", {1},
       "Sorry, this is tournament 2 of a double tournament.\rPre-registration is not possible."},
      {"WINT", "open", "team", {1}, "Sorry, tournament WINT is a team tournament\rExport is not possible"},
      {"WINT", "open", "", {1}, "Sorry, this version of the QTP program\rdoes not support that many players"},
      {"WINT", "open", "tiny", {1, 3, 6}, "Sorry, this version of the QTP program\rdoes not support that many players"},
      {"WINT", "open", "sanctioned", {2, 5},
       "The validation routine has removed all selected players\rPlease check the Membership Id of the players"},
  };
  for (const auto& c : cases) {
    SwissClub club;
    club.Tournament("WINT", c.state, c.setup);
    auto lines = Selected(club, c.ids);
    const ExportOutcome out = ExportToTournament(lines, club.db, club.dialogs, {c.code, 1});
    EXPECT_EQ(out.kind, Kind::Refused) << c.last;
    ASSERT_FALSE(club.dialogs.Messages().empty());
    EXPECT_EQ(club.dialogs.Messages().back(), c.last);
    EXPECT_EQ(club.dialogs.calls.end()[-2].kind, "beep") << c.last;
    EXPECT_FALSE(club.dir.Exists("qtpwin/WINTdelt.pre")) << c.last;
  }
}

TEST(ExportToTournament, AMissingSetupIsTakenAsNothingKnown) {
  SwissClub club;
  club.Tournament("WINT", "open", "sanctioned");
  club.Tournament("SPRG", "open", "");
  auto lines = Selected(club, {1});
  ExportToTournament(lines, club.db, club.dialogs, {"WINT", 1});
  club.dialogs.Clear();
  // The sanctioned tournament read before says nothing about this one.
  ExportToTournament(lines, club.db, club.dialogs, {"SPRG", 1});
  const auto calls = club.dialogs.MessageCalls();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[0].text, "Tournament setup not found");
  EXPECT_EQ(calls[0].title, "QTP directory not found");
  EXPECT_EQ(calls[0].icon, Icon::Critical);
  EXPECT_EQ(calls[1].text, NotSanctioned);
  EXPECT_FALSE(club.dir.Exists("qtpwin/SPRGdelt.pre"));
}

TEST(ExportToTournament, QuestionsThatEndIt) {
  SwissClub club;
  club.Tournament("WINT", "small", "open");
  auto lines = Selected(club, {1, 3, 6});
  club.dialogs.Answer(Answer::Ok);      // not sanctioned
  club.dialogs.Answer(Answer::Ok);      // overwrite
  club.dialogs.Answer(Answer::Cancel);  // above the maximum
  EXPECT_EQ(ExportToTournament(lines, club.db, club.dialogs, {"WINT", 1}).kind, Kind::Cancelled);
  const auto high = club.dialogs.MessageCalls().back();
  EXPECT_EQ(high.text, "Please note that maximum for this tournament is 2 players.\r3 players will be pre-registered.");
  EXPECT_EQ(high.title, "High number of pre-registrations");

  // Anything but 1 or 2 is asked again; an empty answer ends.
  club.dialogs.Clear();
  club.dialogs.InputAnswer("3");
  club.dialogs.InputAnswer("");
  EXPECT_EQ(ExportToTournament(lines, club.db, club.dialogs, {"WINT", std::nullopt}).kind, Kind::Cancelled);
  EXPECT_EQ(Texts(club.dialogs), (std::vector<std::string>{NotSanctioned, Overwrite,
                                                            "Please note that maximum for this tournament is 2 "
                                                            "players.\r3 players will be pre-registered.",
                                                            Ratings, Ratings}));
  EXPECT_FALSE(club.dir.Exists("qtpwin/WINTdelt.pre"));
}

TEST(ExportToTournament, AFailedWriteKeepsTheOldFile) {
  SwissClub club;
  club.Tournament("WINT", "open", "open");
  club.WriteQtp("WINTdelt.pre", "\"Old\",1500,9,0,0\r\n");
  auto lines = Selected(club, {1});
  FailWriteStepForTest(2);
  const ExportOutcome out = ExportToTournament(lines, club.db, club.dialogs, {"WINT", 1});
  FailWriteStepForTest(0);
  EXPECT_EQ(out.kind, Kind::Refused);
  EXPECT_EQ(club.dialogs.Messages().back(), "An unidentified error occurred. Please try again");
  EXPECT_EQ(club.ReadQtp("WINTdelt.pre"), "\"Old\",1500,9,0,0\r\n");
}

}  // namespace
}  // namespace hrs::test
