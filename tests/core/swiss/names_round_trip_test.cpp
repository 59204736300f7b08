#include <gtest/gtest.h>

#include "../control/control_club.h"
#include "core/control/control_centre_modes.h"
#include "core/data/player_file.h"
#include "core/swiss/export_tournament.h"
#include "core/swiss/turn_lines.h"
#include "core/swiss/workfile.h"
#include "core/text/code_page.h"
#include "support/list_lines.h"

namespace hrs::test {
namespace {

using test::Lines;

// The companion program writes its participants in the Windows code page;
// a club's players live in UTF-8; what it reads back is in its code page again.
TEST(NamesRoundTrip, CompanionFilesToPlayersToWorkfileToPreRegistration) {
  ControlClub club;
  club.db.location.qtpDir = club.dir.path() / "qtpwin";
  club.AddPlayer("Łukasz Wróbel", 1600, 10001);
  ASSERT_FALSE(SavePlayers(club.db.location, club.db.players));
  club.dir.Write("T042fast.dat", Fixture("companion/T042fast.dat"));
  club.dir.Write("T042delt.dat",
                 "1,\"S\xF8ren \xC6r\xF8\",0,0,0,\"20031\",0\r\n"
                 "2,\"J\xFCrgen M\xFCller\",0,0,0,\"20032\",0\r\n"
                 "3,\"\xC5se Bj\xF8rnstad-L\xF8v\xE5s\",0,0,0,\"20033\",0\r\n"
                 "4,\"Zo\xEB \xC5ngstr\xF6m\",0,0,0,\"20034\",0\r\n");
  club.dir.Write("RQTPT042.DAT",
                 "\"20261003\"\r\n20031,10001,1,9,\" \"\r\n20032,20033,2,3,\" \"\r\n"
                 "20034,10001,4,9,\"X\"\r\n");
  Option3Click(club.form, club.db, club.dialogs, club.clock);
  List3DblClick(club.form, club.db, club.dialogs, club.clock, 0);
  EXPECT_EQ(Lines(club.form.List2), (std::vector<std::string>{
                                        " Jürgen Müller         20032",
                                        " Søren Ærø             20031",
                                        " Zoë Ångström          20034",
                                        " Åse Bjørnstad-Løvås   20033",
                                    }));
  for (int i = 0; i < 4; ++i) List2Click(club.form, i);
  Command3Click(club.form, club.db, club.dialogs, club.clock);
  ASSERT_EQ(club.db.players.PlayerCount, 5);

  const std::string players = club.dir.Read(PlayerFile);
  EXPECT_TRUE(IsUtf8(players));
  for (const char* name :
       {"\"Łukasz Wróbel\"", "\"Jürgen Müller\"", "\"Søren Ærø\"", "\"Zoë Ångström\"", "\"Åse Bjørnstad-Løvås\""})
    EXPECT_NE(players.find(name), std::string::npos) << name;
  PlayerTable loaded;
  ASSERT_TRUE(LoadPlayers(club.db.location, loaded, club.dialogs));
  EXPECT_EQ(loaded[2].Name.str(), "Jürgen Müller");

  // Through a workfile of the selected players to the tournament.
  SortedList selected;
  for (int id = 1; id <= 5; ++id) selected.Add(SelectedPlayerLine(loaded[id].Name.str(), id), id);
  const auto workfile = club.dir.path() / "autumn.wrk";
  ASSERT_FALSE(WriteFileAtomically(workfile, WorkfileBytes(selected.Items(), {})));
  auto read = ReadWorkfile(workfile, loaded.PlayerCount);
  ASSERT_TRUE(read.content);
  auto lines = read.content->players;
  std::filesystem::create_directories(club.db.location.qtpDir);
  club.dir.Write("qtpwin/WINTrund.dat", Fixture("swiss/open_rund.dat"));
  club.dir.Write("qtpwin/WINTfast.dat", Fixture("swiss/open_fast.dat"));
  club.dialogs.Clear();
  club.dialogs.InputAnswer("WINT");
  club.dialogs.InputAnswer("1");
  club.db.players = loaded;
  ASSERT_EQ(ExportToTournament(lines, club.db, club.dialogs).kind, ExportOutcome::Kind::Written)
      << testing::PrintToString(club.dialogs.Messages());
  EXPECT_EQ(club.dir.Read("qtpwin/WINTdelt.pre"),
            "\"J\xFCrgen M\xFCller\",1600,2,0,0\r\n"
            "\"S\xF8ren \xC6r\xF8\",1600,3,0,0\r\n"
            "\"Zo\xEB \xC5ngstr\xF6m\",1600,4,0,0\r\n"
            "\"\xC5se Bj\xF8rnstad-L\xF8v\xE5s\",1600,5,0,0\r\n"
            "\"Lukasz Wr\xF3"
            "bel\",1600,1,0,0\r\n");
  EXPECT_EQ(club.dialogs.Messages().back(),
            "WINTdelt.pre is written in the Windows character set, which lacks some letters of these names;\r"
            "they were written as shown:\r\rŁukasz Wróbel  as  Lukasz Wróbel");
}

// A player file of today's program holds names in both code pages.
TEST(NamesRoundTrip, APlayerFileOfBothCodePagesIsWholeUtf8AfterOneSave) {
  ControlClub club;
  club.AddPlayer("Søren Ærø", 1500, 10001);
  club.AddPlayer("Jürgen Müller", 1510, 10002);
  club.AddPlayer("Anders Berg", 1520, 10003);
  const std::string utf8 = PlayerFileBytes(club.db.players);
  std::string mixed = utf8;
  const std::string jurgen = "J\xC3\xBCrgen M\xC3\xBCller";
  mixed.replace(mixed.find(jurgen), jurgen.size(), "J\xFCrgen M\xFCller");
  club.dir.Write(PlayerFile, mixed);
  ASSERT_FALSE(IsUtf8(mixed));

  PlayerTable loaded;
  ASSERT_TRUE(LoadPlayers(club.db.location, loaded, club.dialogs));
  EXPECT_EQ(loaded[1].Name.str(), "Søren Ærø");
  EXPECT_EQ(loaded[2].Name.str(), "Jürgen Müller");
  EXPECT_EQ(loaded[3].Name.str(), "Anders Berg");
  ASSERT_FALSE(SavePlayers(club.db.location, loaded));
  EXPECT_EQ(club.dir.Read(PlayerFile), utf8);
}

}  // namespace
}  // namespace hrs::test
