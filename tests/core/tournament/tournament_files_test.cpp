#include <gtest/gtest.h>

#include <filesystem>

#include "core/tournament/local2_form.h"
#include "core/tournament/tournament_files.h"
#include "tournament_club.h"

namespace hrs::test {
namespace {

using Strings = std::vector<std::string>;

TEST(TournamentFiles, LoadingFindsEveryResultAgain) {
  TournamentClub club(11);
  club.MatchProgram(11);
  Local2Form form;
  Local2FormLoad(form, club.t, club.db, club.dialogs);
  form.Text1.text = "3", form.Text2.text = "2", form.Text3.text = "1";
  Command1Click(form, club.t, club.db, club.dialogs);
  const SmallTournament before = club.t;

  LocalForm local;
  SmallTournament loaded;
  LocalFormLoad(local, loaded, club.db, club.dialogs);
  ltmnu_loadClick(local, club.db);
  ASSERT_EQ(local.FileList.lines.size(), 1u);
  EXPECT_EQ(local.FileList.lines[0].line, "LT261208");
  EXPECT_EQ(local.FileCaption.caption, "Tournaments");
  EXPECT_EQ(local.Label1.caption, " Click the tournament to load");
  FileListClick(local, 0, loaded, club.db, club.dialogs);
  EXPECT_TRUE(local.openLocal2);
  EXPECT_TRUE(loaded.matchProgram);
  EXPECT_EQ(loaded.base, "LT261208");
  EXPECT_EQ(loaded.matches, before.matches);
  EXPECT_EQ(loaded.sizes, before.sizes);
  EXPECT_EQ(loaded.header, before.header);
  EXPECT_EQ(loaded.matches.At(1, 3, MfFirstWon), 2);
}

TEST(TournamentFiles, TwoTournamentsOnOneDay) {
  TournamentClub club(12);
  club.MatchProgram(8);
  club.dir.Write("LT261208selim", "4\r\n");  // the first one's playoff
  club.dir.Write("LT261208sepo", "\"Randomly\"\r\n");
  club.MatchProgram(12, "2");  // a new selection the same day
  EXPECT_EQ(club.dir.Files(), (Strings{"LT261208fast", "LT261208grup", "LT261208kamp"}));
  EXPECT_EQ(club.dir.Read("LT261208fast"), ",2,5,6,0,\"\"\r\n");  // groups of 6
}

// One tournament per day; one that holds results or is registered for
// rating is replaced only when the operator says so (No is the default).
TEST(TournamentFiles, ASecondMatchProgramAsksBeforeItReplacesResults) {
  TournamentClub club(8);
  club.db.setup.RatingYear = 2026;
  club.MatchProgram(8);
  Local2Form form;
  Local2FormLoad(form, club.t, club.db, club.dialogs);
  form.Text1.text = "3", form.Text2.text = "2", form.Text3.text = "1";
  Command1Click(form, club.t, club.db, club.dialogs);
  lt2mnu_exClick(form, club.t);  // File > Exit: the selection behind still holds the groups
  const std::string matches = club.dir.Read("LT261208kamp");
  const struct {
    bool registered;
    Answer answer;
    const char* state;
  } cases[] = {
      {false, Answer::No, "is not"},
      {true, Answer::No, "is"},
      {true, Answer::Yes, "is"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.state);
    if (c.registered) club.dir.Write("QTPR2026.DAT", "\"RHRSLT261208\"\r\n");
    club.dialogs.Clear();
    club.dialogs.Answer(Answer::Ok);
    if (c.answer == Answer::Yes) {
      club.dialogs.Answer(Answer::Yes);
      club.dialogs.Answer(Answer::No);  // not sanctioned
    }
    ltmnu_matchClick(club.form, club.t, club.db, club.dialogs, club.clock);
    const auto calls = club.dialogs.MessageCalls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[1].text, std::string("Tournament LT261208 of today holds 1 result\rand its file RHRSLT261208 ") +
                                 c.state +
                                 " registered for rating.\r\rThere is one tournament per day: a new match program\r"
                                 "replaces it, results and all.\r\rDo you want to replace tournament LT261208?");
    EXPECT_EQ(calls[1].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(calls[1].icon, Icon::Warning);
    EXPECT_EQ(calls[1].title, "Replace tournament?");
    EXPECT_EQ(club.t.matchProgram, c.answer == Answer::Yes);
    EXPECT_EQ(club.dir.Read("LT261208kamp") == matches, c.answer == Answer::No);
  }
}

TEST(TournamentFiles, MissingOrDamagedFiles) {
  struct Case { const char* fast; const char* kamp; const char* message; };
  const Case cases[] = {
      {",2,3,4,0,\"\"\r\n", nullptr, "Files for tournament LT971014 not found"},
      {",2,3,4,0,\"\"\r\n", "1\r\n2\r\n", "Files for tournament LT971014 not found"},
      {"x,2,3,4,0,\"\"\r\n", nullptr, "Wrong file format"},
      {",9,3,4,0,\"\"\r\n", nullptr, "Wrong file format"},
      {",2,3\r\n", nullptr, "Wrong file format"},
  };
  for (const Case& c : cases) {
    TournamentClub club(8);
    club.dir.Write("LT971014fast", c.fast);
    if (c.kamp) club.dir.Write("LT971014kamp", c.kamp);
    club.dir.Write("LT971014grup", "4\r\n4\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    SmallTournament t;
    t.matchProgram = true;
    EXPECT_FALSE(LoadTournament(club.db.location, "LT971014", t, club.dialogs));
    // The header was read, the rest not: the flag it set is cleared again.
    if (c.message[0] == 'F') {
      EXPECT_FALSE(t.matchProgram);
    }
    EXPECT_EQ(club.dialogs.Messages(), Strings{c.message}) << c.fast;
    EXPECT_EQ(club.dialogs.Beeps(), 1);
  }
}

TEST(TournamentFiles, DeletingATournamentWithoutPlayoff) {
  TournamentClub club(8);
  club.MatchProgram(8);
  club.dir.Write("RHRSLT261208", "kontrol\r\n");
  club.dir.Write("lt991231FAST", ",2,3,4,0,\"\"\r\n");
  LocalFormLoad(club.form, club.t, club.db, club.dialogs);
  ltmnu_delClick(club.form, club.db);
  ASSERT_EQ(club.form.FileList.lines.size(), 2u);
  EXPECT_EQ(club.form.FileList.lines[1].line, "LT991231");
  club.dialogs.Clear();
  club.dialogs.Answer(Answer::Cancel);
  FileListClick(club.form, 0, club.t, club.db, club.dialogs);
  EXPECT_TRUE(club.dir.Exists("LT261208kamp"));
  club.dialogs.Answer(Answer::Ok);
  FileListClick(club.form, 0, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.dir.Files(), (Strings{"RHRSLT261208", "lt991231FAST"}));
  const auto calls = club.dialogs.MessageCalls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].text, "Please confirm deletion of tournament LT261208\rOutput file for the ranking system will NOT be erased");
  EXPECT_EQ(calls[0].title, "Deletion of tournament");
  EXPECT_EQ(calls[2].text, "Tournament LT261208 successfully deleted");
  EXPECT_FALSE(club.form.FileList.visible);
  EXPECT_FALSE(club.form.deleteMode);

  TournamentClub empty(8);
  LocalFormLoad(empty.form, empty.t, empty.db, empty.dialogs);
  ltmnu_delClick(empty.form, empty.db);
  EXPECT_EQ(empty.form.FileCaption.caption, "No tournaments to delete");
  ltmnu_loadClick(empty.form, empty.db);
  EXPECT_EQ(empty.form.FileCaption.caption, "No files to load");
}

TEST(TournamentFiles, AFailedSaveIsToldAndTriedAgain) {
  TournamentClub club(8);
  // A folder in the way: nothing can remove or replace it.
  std::filesystem::create_directories(club.dir.path() / "LT261208kamp" / "x");
  club.MatchProgram(8);
  const auto messages = club.dialogs.Messages();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[2], "The file LT261208kamp of an earlier tournament of today could not be removed.");
  EXPECT_EQ(messages[3].rfind("The tournament file LT261208kamp could not be saved.\r", 0), 0u);
  EXPECT_NE(messages[3].find("\r\rThe tournament stays as it is on the screen; the file is saved again at the next change."),
            std::string::npos);
  EXPECT_TRUE(club.t.matchProgram);

  EXPECT_TRUE(club.dir.Exists("LT261208fast"));
  std::filesystem::remove_all(club.dir.path() / "LT261208kamp");
  Local2Form form;
  Local2FormLoad(form, club.t, club.db, club.dialogs);
  form.Text1.text = "1", form.Text2.text = "1", form.Text3.text = "0";
  Command1Click(form, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.dir.Read("LT261208kamp").substr(0, 12), "1\r\n4\r\n1\r\n0\r\n");
}

TEST(TournamentFiles, ReadMe) {
  ScriptedDialogs dialogs;
  ltmnu_rmClick(dialogs);
  EXPECT_EQ(dialogs.Messages()[0],
            "Round-Robin Tournament files are named by date. The file format is LTyymmdd\rYou can run one tournament "
            "per day. When you start selecting players\rfor a new tournament the files named with to-day's date are "
            "overwritten if any.\rThe Load menu item is only necessary if you exited the tournament module\rbefore "
            "the tournament was completed or you want to look at an old tournament.\rAll tournament files are auto "
            "saved, so you don't need a Save menu item.\rThe Delete menu item is used to clean up the directory."
            "\r\rOption with different group sizes: Award a 2-1 victory to all players in smaller groups.\rYou will "
            "be prompted.");
}

}  // namespace
}  // namespace hrs::test
