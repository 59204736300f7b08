#include <gtest/gtest.h>

#include <utime.h>

#include <ctime>

#include "control_club.h"
#include "core/control/control_centre_modes.h"
#include "core/control/tournament_collection.h"
#include "core/control/tournament_removal.h"
#include "core/control/tournament_validation.h"
#include "core/data/player_file.h"
#include "core/data/registry_file.h"

namespace hrs {
namespace {

using test::ControlClub;

void SetFileYear(const std::filesystem::path& path, int year) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = 5;
  t.tm_mday = 15;
  t.tm_hour = 12;
  const std::time_t when = std::mktime(&t);
  utimbuf times{when, when};
  ASSERT_EQ(::utime(path.c_str(), &times), 0);
}

// Three players: Sys Ids 1 and 3 share membership number 10001.
struct TournamentClub : ControlClub {
  TournamentClub() {
    AddPlayer("Ann", 1600, 10001);
    AddPlayer("Bob", 1500, 10002);
    AddPlayer("Cid", 1400, 10001);
  }
  std::string Companion(const std::string& code, const std::vector<std::string>& duels, bool kontrol = false) {
    std::string bytes = kontrol ? "\"kontrol\"\r\n\"20261003\"\r\n" : "\"20261003\"\r\n";
    for (const auto& d : duels) bytes += d + "\r\n";
    const std::string name = "RQTP" + code + ".DAT";
    dir.Write(name, bytes);
    SetFileYear(dir.path() / name, 2026);
    return name;
  }
  void CompanionFiles(const std::string& code) {
    dir.Write(code + "fast.dat", test::Fixture("companion/T042fast.dat"));
    dir.Write(code + "delt.dat", test::Fixture("companion/T042delt.dat"));
  }
  int Line(const std::string& file) {
    for (size_t i = 0; i < form.List3.lines.size(); ++i)
      if (FileOfCandidateLine(form.List3.lines[i].line) == file) return static_cast<int>(i);
    return -1;
  }
};

TEST(TournamentValidation, ConvertsIdsAndBypassesWhatCannotBeAttributed) {
  TournamentClub club;
  struct Case {
    const char* what;
    std::string record;
    std::string written;  // "" bypassed
  };
  const std::vector<Case> cases = {
      {"two Sys Ids", "1,2,3,9,\" \"", "1,2,3,9,\" \""},
      {"membership numbers become the lowest Sys Id", "10002,10001,1,2,\"X\"", "2,1,1,2,\"X\""},
      {"unknown membership number against a Sys Id", "2,55555,1,2,\" \"", "2,999999,1,2,\" \""},
      {"999999 against a Sys Id", "999999,2,1,2,\" \"", "999999,2,1,2,\" \""},
      {"999999 against 999999", "999999,999999,1,2,\" \"", ""},
      {"two unknown membership numbers", "55555,66666,1,2,\" \"", ""},
      {"two ids of the same player", "10001,1,1,2,\" \"", ""},
      {"the same Sys Id twice", "2,2,1,2,\" \"", ""},
      {"a non-numeric id", "A7,2,1,2,\" \"", ""},
      {"quoted ids", "\"3\",\"10002\",4,5,\" \"", "3,2,4,5,\" \""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto v = ValidateTournament("\"20261003\"\r\n" + c.record + "\r\n", club.db.players);
    const std::string head = "\"kontrol\"\r\n\"20261003\"\r\n";
    EXPECT_EQ(v.bytes, head + (c.written.empty() ? "" : c.written + "\r\n"));
    EXPECT_EQ(v.bypassed, c.written.empty() ? 1 : 0);
  }
  // Validated before: no second marker line.
  const auto again = ValidateTournament("\"kontrol\"\r\n\"20261003\"\r\n1,2,1,2,\" \"\r\n", club.db.players);
  EXPECT_EQ(again.bytes, "\"kontrol\"\r\n\"20261003\"\r\n1,2,1,2,\" \"\r\n");
}

TEST(AddTournament, UnknownPlayersChosenAddedThenTheFileRegistered) {
  TournamentClub club;
  club.CompanionFiles("T042");
  // Participant 3 (20031) plays twice; participant 1 (10012345) once.
  const auto file = club.Companion("T042", {"1,20031,1,3,\" \"", "20031,2,3,2,\"X\"", "10012345,3,1,3,\" \""});
  Option3Click(club.form, club.db, club.dialogs, club.clock);
  ASSERT_EQ(club.form.List3.lines.size(), 1u);
  EXPECT_EQ(club.form.List3.lines[0].line, "RQTP-T042.DAT");
  List3DblClick(club.form, club.db, club.dialogs, club.clock, 0);

  EXPECT_EQ(club.dialogs.Messages().back().substr(0, 41), "3 non-matching transactions were found. \r");
  ASSERT_EQ(club.form.List2.lines.size(), 2u) << "one line per unknown player";
  EXPECT_EQ(club.form.List2.lines[0].line, " Ann Berg           10012345");
  EXPECT_EQ(club.form.List2.lines[1].line, " Eva Fors              20031");
  EXPECT_EQ(club.form.List2.lines[1].value, 3);
  EXPECT_EQ(club.form.List1.lines[0].line, "   10001 Ann");
  EXPECT_EQ(club.form.List1.lines.back().line, std::string(20, '-'));
  EXPECT_EQ(club.form.Label8.caption, " Current Database        Non matching");
  EXPECT_EQ(club.form.Command3.caption, "Add Players");
  EXPECT_TRUE(club.form.Check1.value);
  EXPECT_EQ(ReadRegistry(club.db.location, 2026).size(), 0u) << "not registered yet";

  List2Click(club.form, 0);
  List2Click(club.form, 1);
  List2RightButton(club.form, 0);
  EXPECT_EQ(club.form.List2.lines[0].line, " Ann Berg           10012345");
  EXPECT_EQ(club.form.List2.lines[1].line, "+  Eva Fors              20031");
  club.dialogs.Clear();
  Command3Click(club.form, club.db, club.dialogs, club.clock);  // Yes to "add now"

  ASSERT_EQ(club.db.players.PlayerCount, 4);
  EXPECT_EQ(club.db.players[4].Name.str(), "Eva Fors");
  EXPECT_EQ(club.db.players[4].Info.str(), "T042");
  EXPECT_EQ(club.db.players[4].MbShipNo, 20031);
  EXPECT_EQ(club.db.players[4].Rating, club.db.setup.FirstRating);
  const auto messages = club.dialogs.Messages();
  ASSERT_GE(messages.size(), 2u);
  EXPECT_EQ(messages[0], "Do you wish to add the tournament now?");
  EXPECT_EQ(messages[1], "File validated and added");
  EXPECT_EQ(club.dir.Read(file),
            "\"kontrol\"\r\n\"20261003\"\r\n1,4,1,3,\" \"\r\n4,2,3,2,\"X\"\r\n999999,3,1,3,\" \"\r\n");
  EXPECT_EQ(club.dir.Read(RegistryFileName(2026)), "\"" + file + "\"\r\n");
  EXPECT_NE(club.dir.Read(PlayerFile).find("\"Eva Fors\",\"T042\",20031"), std::string::npos);
  EXPECT_EQ(club.form.mode, ControlMode::FileOverview);
  EXPECT_FALSE(club.dir.Exists(ValidationScratchFile));
}

TEST(AddTournament, NoToAddNowKeepsThePlayersAndLeavesTheFileUnregistered) {
  TournamentClub club;
  club.CompanionFiles("T042");
  const auto file = club.Companion("T042", {"1,20031,1,3,\" \""});
  const std::string before = club.dir.Read(file);
  Option3Click(club.form, club.db, club.dialogs, club.clock);
  List3DblClick(club.form, club.db, club.dialogs, club.clock, 0);
  List2Click(club.form, 0);
  club.dialogs.Answer(Answer::No);
  Command3Click(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.db.players.PlayerCount, 4);
  EXPECT_EQ(club.dir.Read(file), before);
  EXPECT_EQ(ReadRegistry(club.db.location, 2026).size(), 0u);
  EXPECT_EQ(club.form.mode, ControlMode::FileOverview);
  EXPECT_TRUE(club.form.participants.empty());
}

TEST(AddTournament, RefusalsAndTheirMessages) {
  struct Case {
    const char* what;
    std::function<void(TournamentClub&, const std::string&)> arrange;
    std::vector<Answer> answers;
    std::string message;  // the last message
    bool registered;
  };
  const std::vector<Case> cases = {
      // The tournament's own date line decides the year, not the file's date.
      {"tournament of last year",
       [](TournamentClub& c, const std::string& f) {
         c.dir.Write(f, "\"20251206\"\r\n1,2,1,2,\" \"\r\n");
         SetFileYear(c.dir.path() / f, 2026);
       },
       {},
       "File Date is not current rating year",
       false},
      {"tournament of this year copied after New Year",
       [](TournamentClub& c, const std::string& f) {
         c.CompanionFiles("T042");
         SetFileYear(c.dir.path() / f, 2027);
       },
       {},
       "File validated and added",
       true},
      {"no setup file, Cancel",
       [](TournamentClub&, const std::string&) {},
       {Answer::Ok, Answer::Cancel},
       ParticipantsFailure,
       false},
      {"no setup file, recognized players only",
       [](TournamentClub&, const std::string&) {},
       {Answer::Ok, Answer::Ok},
       "File validated and added",
       true},
      {"setup not set up (third value 0)",
       [](TournamentClub& c, const std::string&) {
         c.dir.Write("T042fast.dat", "\"Open\",\"x\",0,0,0,0,#2026-10-03#,0,0,0,0,0,0,0,0\r\n");
         c.dir.Write("T042delt.dat", test::Fixture("companion/T042delt.dat"));
       },
       {Answer::Ok},
       "File validated and added",
       true},
      {"registry unreadable",
       [](TournamentClub& c, const std::string&) {
         c.CompanionFiles("T042");
         std::filesystem::create_directory(c.dir.path() / RegistryFileName(2026));
       },
       {},
       RegistryUnreadable,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TournamentClub club;
    const auto file = club.Companion("T042", {"1,2,1,2,\" \"", "999999,999999,1,2,\" \""});
    c.arrange(club, file);
    for (Answer a : c.answers) club.dialogs.Answer(a);
    Option3Click(club.form, club.db, club.dialogs, club.clock);
    List3DblClick(club.form, club.db, club.dialogs, club.clock, club.Line(file));
    const auto messages = club.dialogs.Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().substr(0, c.message.size()), c.message);
    EXPECT_EQ(ReadRegistry(club.db.location, 2026).size(), c.registered ? 1u : 0u);
    EXPECT_EQ(club.form.validationPass, 0);
  }
}

TEST(AddTournament, BypassedCountAndTheSmallTournamentsFilesAsTheyStand) {
  TournamentClub club;
  club.CompanionFiles("T042");
  club.Registry({"RQTP0001.DAT"});
  const auto file = club.Companion("T042", {"999999,999999,1,2,\" \"", "1,2,1,2,\" \""});
  club.Tournament("RHRSLT261010", "20261010", {"1,2,0,0,\" \""});
  SetFileYear(club.dir.path() / "RHRSLT261010", 2026);
  const std::string own = club.dir.Read("RHRSLT261010");
  Option3Click(club.form, club.db, club.dialogs, club.clock);
  ASSERT_EQ(club.form.List3.lines.size(), 2u);
  EXPECT_EQ(club.form.List3.lines[0].line, "RHRS-LT261010");
  List3DblClick(club.form, club.db, club.dialogs, club.clock, club.Line(file));
  EXPECT_EQ(club.dialogs.Messages().back(),
            "File validated and added\r\r1 match results were bypassed\rdue to non matching membership id for both "
            "players.");
  Option3Click(club.form, club.db, club.dialogs, club.clock);
  ASSERT_EQ(club.form.List3.lines.size(), 1u) << "the registered file is no candidate";
  List3DblClick(club.form, club.db, club.dialogs, club.clock, 0);
  const auto m = club.dialogs.Messages();
  EXPECT_EQ(m[m.size() - 2], "No errors found");
  EXPECT_EQ(m.back(), "File validated and added");
  EXPECT_EQ(club.dir.Read("RHRSLT261010"), own);
  EXPECT_EQ(club.dir.Read(RegistryFileName(2026)), "\"RQTP0001.DAT\"\r\n\"" + file + "\"\r\n\"RHRSLT261010\"\r\n");
  EXPECT_EQ(AddedMessage(2, true),
            "File validated and added\r\r2 match results were bypassed\rdue to non matching membership number for "
            "both players.");
}

TEST(TournamentValidation, ARewriteFailingAtAnyStepLeavesFileAndRegistryAsTheyWere) {
  TournamentClub club;
  club.Registry({"RQTP0001.DAT"});
  const auto file = club.Companion("T042", {"10002,10001,1,2,\" \""});
  const std::string original = club.dir.Read(file), registry = club.dir.Read(RegistryFileName(2026));
  FailWriteStepForTest(0);
  ASSERT_FALSE(ValidateAndRegister(club.db.location, club.dir.path() / file, file, 2026, club.db.players).error);
  const int steps = WriteStepsForTest();
  ASSERT_GT(steps, 0);
  for (int n = 1; n <= steps; ++n) {
    SCOPED_TRACE(n);
    club.dir.Write(file, original);
    club.dir.Write(RegistryFileName(2026), registry);
    FailWriteStepForTest(n);
    const auto out = ValidateAndRegister(club.db.location, club.dir.path() / file, file, 2026, club.db.players);
    FailWriteStepForTest(0);
    if (out.error) {
      EXPECT_EQ(club.dir.Read(file), original);
      EXPECT_EQ(club.dir.Read(RegistryFileName(2026)), registry);
    } else {
      EXPECT_EQ(club.dir.Read(file).substr(0, 11), "\"kontrol\"\r\n");
      EXPECT_EQ(club.dir.Read(RegistryFileName(2026)), registry + "\"" + file + "\"\r\n");
    }
    for (const auto& name : club.dir.Files())
      EXPECT_TRUE(name == file || name == RegistryFileName(2026)) << name << " left behind";
  }
}

TEST(RemoveTournament, ConfirmedRemovalRewritesTheRegistry) {
  TournamentClub club;
  club.Registry({"RQTP0042.DAT"});
  Option4Click(club.form, club.db, club.dialogs, club.clock);
  ASSERT_EQ(club.form.List1.lines.size(), 1u);
  EXPECT_EQ(club.form.List1.lines[0].line, "RQTP-0042.DAT");
  EXPECT_EQ(club.form.Label7.caption, " DblClick the tournament to remove ");
  Command1Click(club.form, club.db, club.dialogs, club.clock);  // nothing selected
  EXPECT_EQ(club.dialogs.Messages().back(), "Not a tournament file");
  club.dialogs.Answer(Answer::Cancel);
  List1DblClick(club.form, club.db, club.dialogs, club.clock, 0);
  EXPECT_EQ(club.dialogs.Messages().back(), "Please confirm removal of tournament RQTP0042.DAT");
  EXPECT_TRUE(club.form.List1.selected.empty());
  List1DblClick(club.form, club.db, club.dialogs, club.clock, 0);
  EXPECT_EQ(club.dialogs.Messages().back(),
            "RQTP0042.DAT has been removed from the file of rating adjusting tournaments");
  EXPECT_EQ(club.dir.Read(RegistryFileName(2026)), "\"No QTP files\"\r\n");
  EXPECT_EQ(club.form.mode, ControlMode::FileOverview);

  club.dir.Write(RegistryFileName(2026), "");
  std::filesystem::remove(club.dir.path() / RegistryFileName(2026));
  club.dialogs.Clear();
  club.form.List1.Clear();
  RemoveTournamentStep(club.form, club.db, club.dialogs, club.clock);
  EXPECT_EQ(club.dialogs.Messages().back(), RegistryNotOpened);
}

TEST(RemoveTournament, ByNameAsTheCommandLineGivesIt) {
  TournamentClub club;
  club.Registry({"RQTP0042.DAT", "rhrs0101.dat"});
  EXPECT_EQ(RemoveTournament(club.db, 2026, "RQTP0099.DAT", club.dialogs), TournamentRemoval::Refused);
  EXPECT_EQ(club.dialogs.Messages().back(), "RQTP0099.DAT is not in the file of rating adjusting tournaments of 2026");
  club.dialogs.Clear();
  EXPECT_EQ(RemoveTournament(club.db, 2026, "rqtp0042.dat", club.dialogs), TournamentRemoval::Removed);
  const auto question = club.dialogs.MessageCalls().front();
  EXPECT_EQ(question.text, "Please confirm removal of tournament RQTP0042.DAT");
  EXPECT_EQ(question.name, "tournament-removal");
  EXPECT_EQ(club.dir.Read(RegistryFileName(2026)), "\"RHRS0101.DAT\"\r\n");
}

}  // namespace
}  // namespace hrs
