#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/print_job.h"

namespace hrs {

// One player's line of the rating history: the start rating and the
// month-end ratings of January to lastMonth (0 where a month has none yet).
// The grid dbM_overview, hrs-cli show history-id and the rating chart all
// read it from here.
struct PlayerHistory {
  int sysId = 0;
  std::string name;
  int start = 0;
  int lastMonth = 0;
  std::array<int, 12> months{};
};

PlayerHistory PlayerRatingHistory(const Database& db, int sysId, int lastMonth);

// A point of the chart: month 0 is the start rating, 1..12 the month ends.
struct ChartPoint {
  int month = 0;
  int rating = 0;
};

// What the chart window shows for one player.
struct RatingChart {
  std::string caption;  // the window title
  std::string title;    // over the chart: the Sys Id and the name
  int sysId = 0;
  std::vector<ChartPoint> points;  // the months with a value, in order
  int group1Limit = 0;  // the setup's rating group limits, drawn as lines
  int group2Limit = 0;
  int lastMonth = 0;
};

// The chart of an active player; nothing for an id that is none.
std::optional<RatingChart> PlayerRatingChart(const Database& db, int sysId, const Clock& clock);

// The chart's axes: the months with half a month to spare at either end, so
// that the first and last points are whole; the ratings fitted to the
// player's and to the group limits drawn, with a margin, on round steps. A
// limit far from every rating of the player is not drawn, lest it flatten
// his year into a line.
struct ChartAxes {
  double monthFrom = 0, monthTo = 1;
  int ratingLow = 0, ratingHigh = 0, ratingStep = 0;
  bool group1Shown = true, group2Shown = true;
};
inline constexpr int ChartLimitReach = 200;
ChartAxes ChartAxesOf(const RatingChart& chart);

// "Start", "Jan" .. "Dec" for month 0..12.
std::string ChartMonthLabel(int month);

// Copy to ClipBoard: the title, then one "month<TAB>rating" line a point,
// then the group limits; lines end in CR LF.
std::string ChartClipboardText(const RatingChart& chart);

// Print: the print dialog, the heading lines, the chart drawn by drawChart
// (the Qt side), then the values; the PDF's place told. True when printed.
bool PrintRatingChart(const RatingChart& chart, const std::string& listName, const DataLocation& where,
                      Dialogs& dialogs, PrintJob& job, const Clock& clock, const std::function<void()>& drawChart);

inline constexpr const char* ChartCaption = "Rating Chart";

}  // namespace hrs
