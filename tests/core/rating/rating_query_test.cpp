#include "core/rating/rating_query.h"

#include <gtest/gtest.h>

#include "core/rating/calc_ranking.h"
#include "support/scripted_dialogs.h"

namespace hrs {
namespace {

TEST(RatingQuery, EqualRatingsAndTheirLines) {
  EXPECT_EQ(QueryLines(RatingQueryFigures(1600, 1600, 400)),
            (std::vector<std::string>{" 16    0   -16", "", " 16    0   -16"}));
}

TEST(RatingQuery, ConstantsAreFixedBy2100And2400) {
  // 2100 uses 24, 1600 uses 32; We(2100 vs 1600) = 0.9468...
  const auto f = RatingQueryFigures(2100, 1600, 400);
  EXPECT_EQ(QueryLines(f), (std::vector<std::string>{"  1  -11   -23", "", " 30   14    -2"}));
  EXPECT_EQ(RatingQueryFigures(2099, 2099, 400).win1, 16);  // 32 whatever the setup's limits
  EXPECT_EQ(RatingQueryFigures(2400, 2400, 400).win1, 8);
}

TEST(RatingQuery, FieldsAreCheckedNumericFirstThenRange) {
  Database db;
  db.setup = SetupRecord::Created(1997);
  db.players.PlayerCount = 2;
  db.players[1].Name = TextField::Of("Anne");
  db.players[1].Rating = 2100;
  db.players[2].Name = TextField::Of("Bo");
  db.players[2].Rating = 1600;
  EXPECT_EQ(CheckQueryId("2", db.players).name, "Bo");
  EXPECT_EQ(CheckQueryId("3", db.players).kind, QueryIdCheck::Kind::OutOfRange);
  EXPECT_EQ(CheckQueryId("x", db.players).kind, QueryIdCheck::Kind::NotNumeric);
  EXPECT_EQ(RunRatingQuery("5", "x", db).refusedField, 2);
  auto out = RunRatingQuery("5", "1", db);
  EXPECT_EQ(out.refusedField, 1);
  EXPECT_TRUE(out.clearSysId);
  out = RunRatingQuery("1", "1", db);  // the same player twice is accepted
  EXPECT_EQ(out.refusedField, 0);
  EXPECT_EQ(out.lines.front(), " 12    0   -12");
}

TEST(CalcRanking, LinesHighestFirstEqualRatingsByDescendingName) {
  PlayerTable t;
  auto add = [&t](const std::string& name, int rating, int status = StatusActive) {
    PlayerRecord& p = t[++t.PlayerCount];
    p.Name = TextField::Of(name);
    p.Rating = static_cast<int16_t>(rating);
    p.Status = static_cast<int16_t>(status);
  };
  test::ScriptedDialogs dialogs;
  EXPECT_TRUE(NobodyEnrolled(t, dialogs));
  add("anna", 1700);
  add("Bert", 1700);
  add("Carl", 1800);
  add("Dora", 1900, StatusDeleted);
  add("Emil", 0);
  t.ActiveCount = t.CountActive();
  EXPECT_FALSE(NobodyEnrolled(t, dialogs));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "No players enrolled yet");
  EXPECT_EQ(CalcRankingHeader(), "Rank  Rate Name                           Id");
  EXPECT_EQ(CalcRankingLines(t), (std::vector<std::string>{
                                     "   1  1800 Carl                            3",
                                     "   2  1700 Bert                            2",
                                     "   3  1700 anna                            1",
                                 }));
  EXPECT_EQ(CalcRankingAverage(t), 1300);  // 5200 over 4 active players
  PlayerTable none;
  EXPECT_FALSE(CalcRankingAverage(none));
}

}  // namespace
}  // namespace hrs
