#include <gtest/gtest.h>

#include "core/rating/calc_form.h"
#include "core/rating/rating_club.h"

namespace hrs {
namespace {

using test::RatingClub;

TEST(CalcForm, OpensWithTheYearSoFarAndTheHintInLaterMonths) {
  RatingClub club({1600, 1500});
  club.clock.Set({{1997, 6, 3}, 9, 0, 0});
  CalcForm form;
  CalcFormLoad(form, club.db, club.clock);
  EXPECT_EQ(form.Text1.text, "1997");
  EXPECT_EQ(form.Text2.text, "01");
  EXPECT_EQ(form.Text3.text, "06");
  EXPECT_FALSE(form.Label5.visible);
  EXPECT_EQ(form.Label5.caption,
            "If you choose a start month greater than -1- the rating adjustment is based on the rating last day "
            "of prior month.");
  CalcActivate(form, club.clock);
  EXPECT_EQ(form.focus, "Text2");
  EXPECT_TRUE(form.Label5.visible);

  club.clock.Set({{1998, 1, 3}, 9, 0, 0});  // an earlier rating year: all twelve, no hint in January
  CalcFormLoad(form, club.db, club.clock);
  CalcActivate(form, club.clock);
  EXPECT_EQ(form.Text3.text, "12");
  EXPECT_FALSE(form.Label5.visible);
  Text1Change(form, club.db);
  EXPECT_EQ(form.Text1.text, "1997");
}

TEST(CalcForm, StartMonthEditsAreComparedAsTextWithTheCurrentMonth) {
  RatingClub club({1600, 1500});
  struct Case {
    int month;
    const char* typed;
    const char* kept;
  } cases[] = {{12, "03", "03"}, {12, "2", "01"}, {12, "x", "01"}, {12, "", "01"},
               {12, "12", "12"}, {12, "0", "0"},  {6, "7", "01"},  {1, "1", "01"}};
  for (const auto& c : cases) {
    club.clock.Set({{1997, c.month, 1}, 9, 0, 0});
    CalcForm form;
    Text2Change(form, club.clock, c.typed);
    EXPECT_EQ(form.Text2.text, c.kept) << c.month << " " << c.typed;
  }
  // Full year goes through the same check: "1" is later than "01".
  club.clock.Set({{1997, 1, 20}, 9, 0, 0});
  CalcForm form;
  form.Text3.text = "";
  Check1Click(form, club.db, club.clock);
  EXPECT_EQ(form.Text2.text, "01");
  EXPECT_EQ(form.Text3.text, "01");
}

TEST(CalcForm, CalculateChecksTheMonthsBeforeAnythingRuns) {
  RatingClub club({1600, 1500});
  struct Case {
    const char *from, *to;
    std::optional<std::pair<int, int>> period;
    const char* focus;
  } cases[] = {{"01", "12", std::pair{1, 12}, ""}, {"0", "12", std::pair{1, 12}, ""}, {"13", "5", std::pair{1, 5}, ""},
               {"4", "0", std::pair{4, 12}, ""},   {"a", "5", std::nullopt, "Text2"}, {"3", "", std::nullopt, "Text3"}};
  for (const auto& c : cases) {
    CalcForm form;
    form.Text2.text = c.from;
    form.Text3.text = c.to;
    const auto period = CheckPeriod(form, club.clock);
    ASSERT_EQ(period.has_value(), c.period.has_value()) << c.from << " " << c.to;
    if (period) {
      EXPECT_EQ(std::pair(period->start, period->end), *c.period) << c.from << " " << c.to;
    }
    EXPECT_EQ(form.focus, c.focus);
  }
  CalcForm refused;
  refused.Text2.text = "a";
  EXPECT_FALSE(Command1Click(refused, club.db, club.dialogs, club.clock));
  EXPECT_TRUE(club.dialogs.Messages().empty());
}

TEST(CalcForm, ProgressAndRankingListAreShownFromTheForm) {
  RatingClub club({1600, 1500, 0});
  club.Result(1, 4, "1", "2");
  CalcForm form;
  CalcFormLoad(form, club.db, club.clock);
  CalcActivate(form, club.clock);
  std::vector<std::string> shown;
  const auto outcome = Command1Click(form, club.db, club.dialogs, club.clock, [&] {
    shown.push_back(form.Label6.visible ? form.Label6.caption : "(hidden)");
    EXPECT_FALSE(form.Label5.visible);
  });
  ASSERT_TRUE(outcome);
  EXPECT_FALSE(outcome->stopped);
  EXPECT_EQ(shown.front(), "Initializing....");
  EXPECT_EQ(shown.back(), "(hidden)");
  EXPECT_EQ(form.Frame1Colour, (Rgb{0, 0, 128}));

  club.db.AverageRating = 0;
  ASSERT_TRUE(Command3Click(form, club.db, club.dialogs));
  EXPECT_EQ(form.Label7.caption, "Rank  Rate Name                           Id");
  EXPECT_TRUE(form.Label7.visible);
  ASSERT_EQ(form.List1.lines.size(), 3u);  // the unrated player starts from the first rating
  EXPECT_EQ(form.List1.lines[0].line, "   1  1612 Player 1                        1");
  EXPECT_EQ(form.List1.lines[2].line, "   3  1488 Player 2                        2");
  EXPECT_EQ(club.db.AverageRating, 1566);  // 4700 / 3, the fraction dropped

  RatingClub empty({});
  EXPECT_FALSE(Command3Click(form, empty.db, empty.dialogs));
  EXPECT_EQ(empty.dialogs.Messages(), std::vector<std::string>{"No players enrolled yet"});
}

}  // namespace
}  // namespace hrs
