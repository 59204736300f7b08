#include <gtest/gtest.h>

#include "core/players/player_lines.h"

namespace hrs {
namespace {

PlayerRecord Player(const std::string& name, const std::string& info, int32_t mbShip, int16_t rating,
                    int16_t status = StatusActive) {
  PlayerRecord p;
  p.Name = TextField::Of(name);
  p.Info = TextField::Of(info);
  p.MbShipNo = mbShip;
  p.StartRating = rating;
  p.Rating = rating;
  p.Status = status;
  return p;
}

TEST(PlayerLines, HeadersOfBothOrders) {
  EXPECT_EQ(SysIdOrderHeader(), "  Id  Name                   Rating  MbShip  Info");
  EXPECT_EQ(SysIdOrderHeader(true), "  Id  Name                   Rating  MbShip Info");
  EXPECT_EQ(NameOrderHeader(), "Name                      Id Rate   MbShip Info");
}

TEST(PlayerLines, LinesWithTheirMarksInBothOrders) {
  const struct {
    PlayerRecord p;
    std::string sysId, right10, name;
  } cases[] = {
      {Player("Anna Berg", "Club", 12345, 1650), "   7 Anna Berg                1650   12345 Club     ",
       "   7 Anna Berg                1650   12345       Club",
       "Anna Berg                       7 1650   12345 Club     "},
      {Player("Bo Lund", "", 999999, 1600, StatusDeleted), "   7 Bo Lund                  1600  999999           D",
       "   7 Bo Lund                  1600  999999            D",
       "Bo Lund                         7 1600  999999           D"},
      {Player(" ", "", 999999, 0, StatusVoid), "   7                             0  999999           V",
       "   7                             0  999999            V", ""},
      // Long texts are cut to their columns; the name keeps its 24 in Sys Id order, 28 in name order.
      {Player("Bartholomew Fitzgerald-Smythe", "Tuesday group", 23456, 2101),
       "   7 Bartholomew Fitzgerald-S 2101   23456 Tuesday g",
       "   7 Bartholomew Fitzgerald-S 2101   23456 Tuesday gr",
       "Bartholomew Fitzgerald-Smyth    7 2101   23456 Tuesday g"},
      // Characters, not bytes, fill a column.
      {Player("Åse Ødegård", "", 10000, 1600), "   7 Åse Ødegård              1600   10000          ",
       "   7 Åse Ødegård              1600   10000           ",
       "Åse Ødegård                     7 1600   10000          "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SysIdOrderLine(7, c.p), c.sysId);
    EXPECT_EQ(SysIdOrderLine(7, c.p, InfoColumn::Right10), c.right10);
    if (!c.name.empty()) {
      EXPECT_EQ(NameOrderLine(7, c.p), c.name);
    }
  }
}

TEST(PlayerLines, NameOrderIsSortedWithoutVoidPlayers) {
  PlayerTable t;
  t.PlayerCount = 4;
  t[1] = Player("bo Lund", "", 999999, 1600);
  t[2] = Player(" ", "", 999999, 0, StatusVoid);
  t[3] = Player("Anna Berg", "", 12345, 1600, StatusDeleted);
  t[4] = Player("Cy Dee", "", 23456, 1600);
  const auto byName = NameOrderLines(t);
  ASSERT_EQ(byName.size(), 3u);
  EXPECT_EQ(byName[0].value, 3);
  EXPECT_EQ(byName[1].value, 1);
  EXPECT_EQ(byName[2].value, 4);
  const auto byId = SysIdOrderLines(t);
  ASSERT_EQ(byId.size(), 4u);
  EXPECT_EQ(byId[1].value, 2);
  EXPECT_EQ(byId[1].line.substr(byId[1].line.size() - 2), " V");
}

}  // namespace
}  // namespace hrs
