#include <gtest/gtest.h>

#include <utime.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli/cli.h"
#include "core/data/file_io.h"
#include "core/control/control_club.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/registry_file.h"
#include "core/data/setup_file.h"

namespace hrs {
namespace {

using test::CliRun;

// A saved club of two players (membership numbers 10001, 10002).
struct CollectionClub : test::ControlClub {
  CollectionClub() : ControlClub(2) { SaveAll(); }
  CliRun Cli(std::vector<std::string> args) { return test::RunCliOn(dir.path(), std::move(args), clock); }
  void Companion(const std::string& bytes, bool withFiles) {
    dir.Write("RQTPT042.DAT", bytes);
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 9;
    t.tm_mday = 3;
    const std::time_t when = std::mktime(&t);
    utimbuf times{when, when};
    ::utime((dir.path() / "RQTPT042.DAT").c_str(), &times);
    if (!withFiles) return;
    dir.Write("T042fast.dat", test::Fixture("companion/T042fast.dat"));
    dir.Write("T042delt.dat", test::Fixture("companion/T042delt.dat"));
  }
};

TEST(ImportCommand, ErrorLinesWriteNothingAnErrorFreeFileIsFiled) {
  CollectionClub club;
  club.dir.Write("bad.csv", "20260617,1,2,1\r\n20260618,1,9,1\r\n");
  auto run = club.Cli({"import", (club.dir.path() / "bad.csv").string()});
  EXPECT_EQ(run.status, 4);
  EXPECT_EQ(run.out,
            "  Date      Player1  Player2 Res\n20260617         1         2  1 \n20260618         1         9? 1  Error\n");
  EXPECT_FALSE(club.dir.Exists(MonthFileName(2026, 6)));

  club.dir.Write("good.csv", "20260617,10002,1,1\r\n");
  run = club.Cli({"import", (club.dir.path() / "good.csv").string(), "--erase"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Match results successfully added to month files\n"), std::string::npos);
  EXPECT_EQ(club.MonthFile(6), "\"20260617\",2,1,\" \"\r\n");
  EXPECT_FALSE(club.dir.Exists("good.csv"));
  EXPECT_EQ(club.Cli({"import", "nowhere.csv"}).status, 2);
  EXPECT_EQ(club.Cli({"import"}).status, 1);

  // Records a blank line left unread are told; what was read is filed.
  club.dir.Write("gap.csv", "20260618,1,2,1\r\r20260619,1,2,1\r20260620,1,2,1\r");
  run = club.Cli({"import", (club.dir.path() / "gap.csv").string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("20260618         1         2  1 \n2 records after a blank line were not read\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(
      run.out.find("Match results successfully added to month files\n\n2 records after a blank line were not read\n"),
      std::string::npos);
  EXPECT_EQ(club.MonthFile(6), "\"20260617\",2,1,\" \"\r\n\"20260618\",1,2,\" \"\r\n");
}

// A killed import is told by the commands that read, undone by the next one
// that writes; a failed one files nothing and says so in the command's words.
TEST(ImportCommand, AKilledOrFailedImportFilesNothing) {
  CollectionClub club;
  club.dir.Write(MonthFileName(2026, 6), "\"20260601\",1,2,\" \"\r\n");
  const std::string june = club.MonthFile(6);
  club.dir.Write(MonthFileName(2026, 6), june + "\"20260617\",2,1,\" \"\r\n");
  club.dir.Write(".hrs-replacing", "\"undo\"\r\n\"append\",\"" + MonthFileName(2026, 6) + "\",\"" +
                                       std::to_string(june.size()) + "\",\"\"\r\n");
  auto run = club.Cli({"status"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err.find("The last change of the data files was interrupted and will be undone by the next command "
                         "that writes.\n"),
            0u)
      << run.err;
  club.dir.Write("good.csv", "20260617,10002,1,1\r\n");
  FailWriteStepForTest(6);
  run = club.Cli({"import", (club.dir.path() / "good.csv").string()});
  FailWriteStepForTest(0);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err.find("The last change of " + MonthFileName(2026, 6) +
                         " was interrupted before it was finished; "
                         "it has now been undone"),
            0u)
      << run.err;
  EXPECT_NE(run.err.find("\nThe results could not be added to the month files; nothing was written.\n"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("\nImport the file again when the fault is mended.\n"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("Save File"), std::string::npos) << run.err;
  EXPECT_EQ(club.MonthFile(6), june);
  EXPECT_EQ(club.dir.Files().size(), 5u);
}

TEST(AddTournamentCommand, QuestionsAnsweredByFlags) {
  const std::string file = "\"20261003\"\r\n1,20031,1,3,\" \"\r\n10002,10012345,3,1,\"X\"\r\n";
  {
    CollectionClub club;
    club.Companion(file, false);
    const auto run = club.Cli({"add-tournament", "RQTPT042.DAT"});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("Add the transaction file with results from recognized players only?"), std::string::npos);
    EXPECT_EQ(club.dir.Read("RQTPT042.DAT"), file);
    const auto ok = club.Cli({"add-tournament", "RQTPT042.DAT", "--recognized-only"});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_NE(ok.out.find("File validated and added"), std::string::npos);
    EXPECT_EQ(club.dir.Read("RQTPT042.DAT"),
              "\"kontrol\"\r\n\"20261003\"\r\n1,999999,1,3,\" \"\r\n2,999999,3,1,\"X\"\r\n");
    EXPECT_EQ(club.Cli({"add-tournament", "RQTPT042.DAT"}).err, "A file of this name is registered already\n");
    const auto removed = club.Cli({"remove-tournament", "rqtpt042.dat"});
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_EQ(removed.out, "RQTPT042.DAT has been removed from the file of rating adjusting tournaments\n");
    EXPECT_EQ(club.dir.Read(RegistryFileName(2026)), "\"No QTP files\"\r\n");
    EXPECT_EQ(club.Cli({"remove-tournament", "RQTPT042.DAT"}).status, 2);
  }
  {
    CollectionClub club;
    club.Companion(file, true);
    const auto run = club.Cli({"add-tournament", "RQTPT042.DAT", "--add-unknown"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(" Eva Fors              20031\n"), std::string::npos) << run.out;
    EXPECT_EQ(club.dir.Read("RQTPT042.DAT"), "\"kontrol\"\r\n\"20261003\"\r\n1,4,1,3,\" \"\r\n2,3,3,1,\"X\"\r\n");
    const std::string players = club.dir.Read(PlayerFile);
    EXPECT_NE(players.find("3,\"Ann Berg\",\"T042\",10012345,"), std::string::npos) << players;
    EXPECT_NE(players.find("4,\"Eva Fors\",\"T042\",20031,"), std::string::npos) << players;
  }
  {
    CollectionClub club;
    club.Companion(file, true);
    const auto run = club.Cli({"add-tournament", "RQTPT042.DAT"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(club.dir.Read("RQTPT042.DAT"),
              "\"kontrol\"\r\n\"20261003\"\r\n1,999999,1,3,\" \"\r\n2,999999,3,1,\"X\"\r\n");
    EXPECT_EQ(club.Cli({"add-tournament", "RQTPX.DAT"}).status, 2);
  }
}

}  // namespace
}  // namespace hrs
