#include <gtest/gtest.h>

#include "core/lists/master_lists.h"
#include "lists_club.h"

namespace hrs {
namespace {

using test::ListsClub;

struct MasterClub : ListsClub {
  MasterClub() {
    Add("olga Berg", 1510, 0, 0, 0, StatusActive, 123456);        // 1
    Add("Nils", 1620, 0, 0, 0, StatusDeleted, 24061);             // 2
    Add(" ", 0, 0, 0, 0, StatusVoid, 0);                          // 3
    Add("Anders", 1400, 0, 0, 0, StatusActive, NoMembership);     // 4
    Add("Peter", 1705, 0, 0, 0, StatusActive, 24101);               // 5
    Add("Kari Bartholomew-Fitzgerald Lund", 1650, 0, 0, 0, StatusActive, 10012345);  // 6
    db.players[1].Info = TextField::Of("Board member");
    db.players[5].Info = TextField::Of("Junior");
  }
};

TEST(MasterListsOnScreen, TheThreeOrders) {
  MasterClub club;
  const ListViewContent bySysId = MasterListView(MasterOrder::BySysId, club.db);
  EXPECT_EQ(bySysId.caption, "Master List by Sys Id");
  EXPECT_EQ(bySysId.header, "  Id Name                         Rate  MbShip");
  EXPECT_FALSE(bySysId.selectFirst);
  EXPECT_EQ(bySysId.lines, (std::vector<std::string>{
                               "   1 olga Berg                    1510  123456",
                               "   2 Nils                         1620   24061",
                               "   3 Void",
                               "   4 Anders                       1400  999999",
                               "   5 Peter                        1705   24101",
                               "   6 Kari Bartholomew-Fitzgerald  165010012345",
                           }));

  // Numbers in numeric order up to six digits, 999999 among them, longer ones after.
  const ListViewContent byMbShip = MasterListView(MasterOrder::ByMbShip, club.db);
  EXPECT_EQ(byMbShip.caption, "Master List by MbShip No");
  EXPECT_EQ(byMbShip.header, "  MbShip   Id Name                         Rate");
  EXPECT_EQ(byMbShip.lines, (std::vector<std::string>{
                                "   24101    5 Peter                        1705",
                                "  123456    1 olga Berg                    1510",
                                "  999999    4 Anders                       1400",
                                "10012345    6 Kari Bartholomew-Fitzgerald  1650",
                            }));

  // Case-insensitive: "olga" between "Kari" and "Peter".
  const ListViewContent byName = MasterListView(MasterOrder::ByName, club.db);
  EXPECT_EQ(byName.caption, "Master List by Name");
  EXPECT_EQ(byName.header, " Name                          Id Rate  MbShip  Info");
  EXPECT_EQ(byName.lines, (std::vector<std::string>{
                              "Anders                          4 1400  999999           ",
                              "Kari Bartholomew-Fitzgerald     6 165010012345           ",
                              "olga Berg                       1 1510  123456 Board memb",
                              "Peter                           5 1705   24101 Junior    ",
                          }));

  ListsClub empty;
  EXPECT_FALSE(ShowMasterList(MasterOrder::ByName, empty.db, empty.dialogs));
  EXPECT_EQ(empty.dialogs.Messages(), std::vector<std::string>{"No players in database"});
}

TEST(MasterListsPrinted, ActivePlayersOnlyUnderTheirPageHeader) {
  MasterClub club;
  ASSERT_TRUE(PrintMasterList(MasterOrder::BySysId, club.db, club.dialogs, club.job, club.clock));
  EXPECT_EQ(club.job.Text(),
            "\n"
            "Halvik Ranking System 1.24   Master List by Sys-Id 2026-12-08     Page 1\n"
            "\n"
            "    Id  Name                        Rating  MbShip-No      Info\n"
            "\n"
            "     1  olga Berg                    1510    123456  Board member\n"
            "     4  Anders                       1400    999999              \n"
            "     5  Peter                        1705     24101        Junior\n"
            "     6  Kari Bartholomew-Fitzgerald  1650  10012345              \n");
  ASSERT_EQ(club.dialogs.calls.size(), 2u);
  EXPECT_EQ(club.dialogs.calls[0].kind, "font");
  EXPECT_EQ(club.dialogs.calls[0].text, "Courier");
  EXPECT_EQ(club.dialogs.calls[1].kind, "printer");

  PrintMasterList(MasterOrder::ByMbShip, club.db, club.dialogs, club.job, club.clock);
  const auto& byMbShip = club.job.Pages().at(0);
  EXPECT_EQ(byMbShip[1], "Halvik Ranking System 1.24  Master List by MbShip No.  2026-12-08     Page 1");
  EXPECT_EQ(byMbShip[3], "    MbShip-No Name                             Id   Rating");
  EXPECT_EQ(byMbShip[5], "       24101  Peter                             5    1705");
  EXPECT_EQ(byMbShip[8], "    10012345  Kari Bartholomew-Fitzgerald       6    1650");

  PrintMasterList(MasterOrder::ByName, club.db, club.dialogs, club.job, club.clock);
  const auto& byName = club.job.Pages().at(0);
  EXPECT_EQ(byName[1], "Halvik Ranking System 1.24  Master List by Name       2026-12-08     Page 1");
  EXPECT_EQ(byName[3], "    Name                            Id  Rating  MbShip-No   Info");
  EXPECT_EQ(byName[7], "    olga Berg                        1   1510     123456  Board me");
  EXPECT_EQ(byName[8], "    Peter                            5   1705      24101    Junior");
}

TEST(MasterListsPrinted, FiftyOneLinesAPage) {
  ListsClub club;
  for (int i = 1; i <= 52; ++i) club.Add("Player " + std::to_string(i), 1500);
  club.dialogs.FontAnswer(FontChoice{"Liberation Mono", 9});
  PrintList(4, club.db, club.dialogs, club.job, club.clock);
  const auto& pages = club.job.Pages();
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].size(), 56u);
  EXPECT_EQ(pages[1].size(), 6u);
  EXPECT_EQ(pages[1][1], "Halvik Ranking System 1.24  Master List by Name       2026-12-08     Page 2");
  EXPECT_EQ(club.job.FontFamily(), "Liberation Mono");
  EXPECT_EQ(club.job.FontSize(), 9);

  // A cancelled dialog prints nothing.
  club.dialogs.PrinterAnswer(false);
  PrintList(2, club.db, club.dialogs, club.job, club.clock);
  EXPECT_EQ(club.job.Documents(), 1);
}

}  // namespace
}  // namespace hrs
