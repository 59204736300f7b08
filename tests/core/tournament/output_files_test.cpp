#include "core/tournament/output_files.h"

#include <gtest/gtest.h>

#include "core/data/file_io.h"
#include "core/tournament/tournament_files.h"
#include "playoff_club.h"

namespace hrs {
namespace {

using test::PlayoffClub;

std::vector<std::string> FileLines(const std::filesystem::path& path) {
  std::vector<std::string> lines;
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return lines;
  size_t start = 0;
  for (size_t end; (end = bytes->find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes->substr(start, end - start));
  return lines;
}

struct OutputClub : PlayoffClub {
  OutputClub() { db.location.driveA = dir.path() / "diskA"; }
  std::vector<std::string> Ranking() {
    lt2mnu_roClick(l2, t, db, dialogs, clock);
    return FileLines(db.location.DataPath("RHRS" + t.base));
  }
  std::vector<std::string> Report() { return FileLines(db.location.driveA / ("TRP_" + t.base + ".TXT")); }
};

TEST(OutputFiles, RoundRobinWithoutPlayoffGivesTwoPlusTwelveLines) {
  OutputClub club;
  const auto lines = club.Ranking();
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "\"kontrol\"");
  EXPECT_EQ(lines[1], "\"20261208\"");
  EXPECT_EQ(lines[2], "1,4,0,0,\" \"");  // round 1, table 1: group 1's 1-2
  EXPECT_EQ(club.dialogs.Messages().back(),
            "Match file for the Ranking System successfully\rsaved as RHRSLT261208\rin your application directory.");
}

TEST(OutputFiles, DrawsAndWinsOfTheSecondPlayerInBothFiles) {
  struct Case {
    int16_t a, b;
    const char* ranking;
    const char* report;
  };
  const Case cases[] = {
      {1, 1, "1,4,0,0,\"X\"", "1,10001,10004,\"X\""},
      {1, 2, "4,1,0,0,\" \"", "1,10004,10001,\" \""},
      {NilNilCode, NilNilCode, "1,4,0,0,\"X\"", "1,10001,10004,\"X\""},
  };
  for (const Case& c : cases) {
    OutputClub club;
    club.t.matches.At(1, 1, MfFirstWon) = c.a;
    club.t.matches.At(1, 1, MfSecondWon) = c.b;
    club.t.header.Sanctioned = 1;
    club.t.header.EventId = "EV-17";
    EXPECT_EQ(club.Ranking()[2], c.ranking);
    lt2mnu_sfClick(club.l2, club.t, club.db, club.dialogs);
    EXPECT_EQ(club.Report()[0], "\"EV-17\"");
    EXPECT_EQ(club.Report()[1], c.report);
  }
}

TEST(OutputFiles, AnOpenMatchIsLeftOutOnRequest) {
  OutputClub club;
  club.t.matches.At(2, 3, MfFirstWon) = club.t.matches.At(2, 3, MfSecondWon) = 0;
  lt2mnu_standClick(club.l2, club.t, club.db, club.dialogs);
  club.dialogs.Answer(Answer::Cancel);
  EXPECT_TRUE(club.Ranking().empty());
  EXPECT_EQ(club.dialogs.MessageCalls().back().title, "File for the Ranking System");
  club.dialogs.Answer(Answer::Ok);
  EXPECT_EQ(club.Ranking().size(), 13u);
}

TEST(OutputFiles, PlayoffLinesFollowAndNineNineIsLeftOut) {
  OutputClub club;
  club.Pair(8);
  lt2mnu_rpClick(club.l2, club.t, club.db, club.dialogs);
  for (const char* m : {"1", "2", "3", "4", "5", "6", "7"}) club.Enter(m, "2", "1");
  club.Enter("8", "9", "9");
  club.t.playoff = PlayoffTable{};  // the file counts, not the memory
  const auto lines = club.Ranking();
  ASSERT_EQ(lines.size(), 14u + 7u);
  EXPECT_EQ(lines[14], "1,7,0,0,\" \"");
  EXPECT_EQ(lines.back(), "1,4,0,0,\" \"");  // the final: winners of matches 5 and 6
  club.t.header.Sanctioned = 1;
  club.t.header.EventId = "E";
  lt2mnu_sfClick(club.l2, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.Report().size(), 1u + 12u + 7u);
  EXPECT_EQ(club.Report().back(), "4,10001,10004,\" \"");  // round-robin rounds + 1
}

TEST(OutputFiles, NotSanctionedWhenTheHeaderFileCannotKeepIt) {
  OutputClub club;
  const auto header = club.db.location.DataPath(club.t.base + "fast");
  std::filesystem::remove(header);
  std::filesystem::create_directories(header / "in-the-way");
  club.dialogs.Answer(Answer::Yes);
  club.dialogs.InputAnswer("EV-1");
  lt2mnu_sfClick(club.l2, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.t.header.Sanctioned, 0);
  EXPECT_EQ(club.t.header.EventId, "");
  EXPECT_EQ(club.dialogs.Messages().back().rfind("The tournament file " + club.t.base + "fast could not be saved.", 0),
            0u);
  EXPECT_FALSE(std::filesystem::exists(club.db.location.driveA / ("TRP_" + club.t.base + ".TXT")));
}

TEST(OutputFiles, SanctionedReportingAsksChecksAndWritesDriveA) {
  OutputClub club;
  club.db.players[3].MbShipNo = 999999;
  club.dialogs.Answer(Answer::Yes);
  lt2mnu_sfClick(club.l2, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.dialogs.Messages(), (std::vector<std::string>{
                                         "This tournament is not registered as sanctioned\r\rShould it be?",
                                         "Please correct"}));
  ASSERT_EQ(club.l2.List1.lines.size(), 2u);
  EXPECT_EQ(club.l2.List1.lines[0].line, "These players have incorrect Membership Id's:");
  EXPECT_EQ(club.l2.List1.lines[1].line, "   3 Player03");
  EXPECT_EQ(club.t.header.Sanctioned, 0);

  club.db.players[3].MbShipNo = 10003;
  club.dialogs.Clear();
  club.dialogs.Answer(Answer::Yes);
  club.dialogs.InputAnswer("A very long event id of 30 chars");
  lt2mnu_sfClick(club.l2, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.t.header.EventId, "A very long event id");
  EXPECT_EQ(ReadHeaderFile(*ReadWholeFile(club.db.location.DataPath(club.t.base + "fast")))->EventId,
            "A very long event id");
  EXPECT_EQ(club.dialogs.Messages().back(), " The files are ready (TRP_ and MAL_).");
  const auto master = FileLines(club.db.location.driveA / ("MAL_" + club.t.base + ".TXT"));
  ASSERT_EQ(master.size(), 9u);
  EXPECT_EQ(master[1], "1,\"Player01\",10001");
  EXPECT_EQ(master[2], "1,\"Player04\",10004");

  // The Event Id stored: no question the second time.
  club.dialogs.Clear();
  lt2mnu_sfClick(club.l2, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.dialogs.Messages(), (std::vector<std::string>{"Please put a write enabled diskette in drive A",
                                                               " The files are ready (TRP_ and MAL_)."}));
}

TEST(OutputFiles, TheSanctioningBodyReadsItsFilesInTheWindowsCodePage) {
  OutputClub club;
  club.db.players[1].Name = TextField::Of("Łukasz Wróbel");
  club.db.players[4].Name = TextField::Of("Søren Ærø");
  club.t.header.Sanctioned = 1;
  club.t.header.EventId = "Ærø Cup";
  lt2mnu_sfClick(club.l2, club.t, club.db, club.dialogs);
  const std::string file = "MAL_" + club.t.base + ".TXT";
  EXPECT_EQ(club.dialogs.Messages(),
            (std::vector<std::string>{"Please put a write enabled diskette in drive A",
                                      file + " is written in the Windows character set, which lacks some letters "
                                             "of these names;\rthey were written as shown:\r\r"
                                             "Łukasz Wróbel  as  Lukasz Wróbel",
                                      " The files are ready (TRP_ and MAL_)."}));
  const auto master = FileLines(club.db.location.driveA / file);
  ASSERT_GE(master.size(), 3u);
  EXPECT_EQ(master[0], "\"\xC6r\xF8 Cup\"");
  EXPECT_EQ(master[1],
            "1,\"Lukasz Wr\xF3"
            "bel\",10001");
  EXPECT_EQ(master[2], "1,\"S\xF8ren \xC6r\xF8\",10004");
  EXPECT_EQ(club.Report().at(0), "\"\xC6r\xF8 Cup\"");
}

TEST(OutputFiles, NoWritableDriveA) {
  OutputClub club;
  club.dir.Write("diskA", "a file where the folder should be");
  club.t.header.Sanctioned = 1;
  lt2mnu_sfClick(club.l2, club.t, club.db, club.dialogs);
  EXPECT_EQ(club.dialogs.Messages().back(), " Drive A:\\ or diskette not ready");
  EXPECT_GE(club.dialogs.Beeps(), 1);
}

TEST(OutputFiles, RankingFileThatCannotBeWritten) {
  OutputClub club;
  std::filesystem::create_directories(club.dir.path() / ("RHRS" + club.t.base));
  club.Ranking();
  EXPECT_EQ(club.dialogs.Messages().back(), "File of rating adjusting match results not saved. System error.");
}

}  // namespace
}  // namespace hrs
