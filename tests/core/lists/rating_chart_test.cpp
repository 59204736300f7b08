#include <gtest/gtest.h>

#include "core/lists/rating_chart.h"
#include "core/lists/rating_history.h"
#include "lists_club.h"

namespace hrs {
namespace {

using test::ListsClub;

struct ChartClub : ListsClub {
  ChartClub() {
    Add("Siri Dahl", 1500);                          // 1
    Add("Gone", 1500, 0, 0, 0, StatusDeleted);       // 2
    History(1, {1510, 0, 1530, 1540});
    db.setup.Group1Limit = 2099;
    db.setup.Group2Limit = 2399;
    clock.Set({{2026, 4, 20}, 9, 0, 0});
  }
};

TEST(RatingChart, MonthsWithoutAValueAreLeftOutAndTheGridRowAgrees) {
  ChartClub club;
  const auto chart = PlayerRatingChart(club.db, 1, club.clock);
  ASSERT_TRUE(chart);
  EXPECT_EQ(chart->caption, "Rating Chart - Sys Id 1  Siri Dahl");
  EXPECT_EQ(chart->title, "Sys Id 1  Siri Dahl");
  EXPECT_EQ(chart->lastMonth, 4);
  EXPECT_EQ(chart->group1Limit, 2099);
  EXPECT_EQ(chart->group2Limit, 2399);
  ASSERT_EQ(chart->points.size(), 4u);  // February has no value
  const std::vector<std::pair<int, int>> expected = {{0, 1500}, {1, 1510}, {3, 1530}, {4, 1540}};
  const HistoryGrid grid = RatingHistoryGrid(HistoryOrder::BySysId, club.db, club.clock);
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(chart->points[i].month, expected[i].first);
    EXPECT_EQ(chart->points[i].rating, expected[i].second);
    EXPECT_EQ(grid.rows[1][static_cast<size_t>(expected[i].first) + 2], std::to_string(expected[i].second));
  }

  EXPECT_FALSE(PlayerRatingChart(club.db, 2, club.clock));  // deleted
  EXPECT_FALSE(PlayerRatingChart(club.db, 3, club.clock));  // no such player
  EXPECT_FALSE(PlayerRatingChart(club.db, 0, club.clock));
}

TEST(RatingChart, CopiedAndPrintedValues) {
  ChartClub club;
  const auto chart = PlayerRatingChart(club.db, 1, club.clock);
  ASSERT_TRUE(chart);
  EXPECT_EQ(ChartClipboardText(*chart),
            "Sys Id 1  Siri Dahl\r\nStart\t1500\r\nJan\t1510\r\nMar\t1530\r\nApr\t1540\r\n"
            "Rating Group 1 Limit\t2099\r\nRating Group 2 Limit\t2399\r\n");

  int drawn = 0;
  ASSERT_TRUE(PrintRatingChart(*chart, "Halvik Club", club.db.location, club.dialogs, club.job, club.clock, [&] {
    ++drawn;
    club.job.PrintLine("<chart>");
  }));
  EXPECT_EQ(drawn, 1);
  EXPECT_EQ(club.job.Text(),
            "\n"
            "                              Halvik Club\n"
            "\n"
            "HRS 1.24    Rating Chart    Printed 2026-04-20\n"
            "\n"
            "Sys Id 1  Siri Dahl\n"
            "\n"
            "<chart>\n"
            "\n"
            " Start   Jan   Mar   Apr\n"
            "  1500  1510  1530  1540\n"
            "\n"
            "Rating Group 1 Limit 2099    Rating Group 2 Limit 2399\n");

  // Cancelled in the print dialog: nothing printed; refused by the printer: told.
  club.dialogs.PrinterAnswer(false);
  EXPECT_FALSE(PrintRatingChart(*chart, "Halvik Club", club.db.location, club.dialogs, club.job, club.clock, {}));
  EXPECT_EQ(club.job.Documents(), 1);
  club.job.FailAtEnd();
  EXPECT_FALSE(PrintRatingChart(*chart, "Halvik Club", club.db.location, club.dialogs, club.job, club.clock, {}));
  EXPECT_EQ(club.dialogs.Messages().back(), "The document could not be printed.");
}

TEST(RatingChart, AxesFitTheRatingsAndLimitsWithAMarginAndWholeEndPoints) {
  struct Case {
    std::vector<int> ratings;
    int limit1, limit2;
    int low, high, step;
    bool shown1, shown2;
  };
  // Ratings 1500-1540 with limits 1550/1600: span 100, margin 10, steps of 20.
  // Limits more than 200 away are not drawn and leave the axis to the
  // ratings; without ratings the limits alone.
  const Case cases[] = {{{1500, 1510, 1540}, 1550, 1600, 1480, 1620, 20, true, true},
                        {{1500, 1540}, 1700, 2399, 1450, 1750, 50, true, false},
                        {{1500, 1540}, 2099, 2399, 1490, 1550, 10, false, false},
                        {{}, 2099, 2399, 2050, 2450, 50, true, true}};
  for (const Case& c : cases) {
    RatingChart chart;
    chart.lastMonth = 4;
    chart.group1Limit = c.limit1;
    chart.group2Limit = c.limit2;
    for (size_t i = 0; i < c.ratings.size(); ++i) chart.points.push_back({static_cast<int>(i), c.ratings[i]});
    const ChartAxes axes = ChartAxesOf(chart);
    EXPECT_EQ(axes.ratingLow, c.low) << c.limit1;
    EXPECT_EQ(axes.ratingHigh, c.high) << c.limit1;
    EXPECT_EQ(axes.ratingStep, c.step) << c.limit1;
    EXPECT_EQ(axes.group1Shown, c.shown1) << c.limit1;
    EXPECT_EQ(axes.group2Shown, c.shown2) << c.limit1;
    EXPECT_EQ(axes.monthFrom, -0.5);
    EXPECT_EQ(axes.monthTo, 4.5);
  }
}

}  // namespace
}  // namespace hrs
