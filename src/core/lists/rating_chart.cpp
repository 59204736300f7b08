#include "core/lists/rating_chart.h"

#include <algorithm>

#include "core/lists/printer_setup.h"
#include "core/lists/rating_history.h"
#include "core/text/align.h"
#include "core/text/characters.h"

namespace hrs {

PlayerHistory PlayerRatingHistory(const Database& db, int sysId, int lastMonth) {
  PlayerHistory history;
  history.sysId = sysId;
  history.lastMonth = std::clamp(lastMonth, 0, 12);
  if (sysId < 1 || sysId > db.players.PlayerCount) return history;
  const PlayerRecord& p = db.players[sysId];
  history.name = p.Name.str();
  history.start = p.StartRating;
  for (int m = 1; m <= history.lastMonth; ++m) history.months[static_cast<size_t>(m - 1)] = db.stats.At(sysId, m + 1);
  return history;
}

std::optional<RatingChart> PlayerRatingChart(const Database& db, int sysId, const Clock& clock) {
  if (sysId < 1 || sysId > db.players.PlayerCount || db.players[sysId].Status != StatusActive) return std::nullopt;
  const PlayerHistory history = PlayerRatingHistory(db, sysId, LastHistoryMonth(db.setup, clock));
  RatingChart chart;
  chart.sysId = sysId;
  chart.title = "Sys Id " + std::to_string(sysId) + "  " + history.name;
  chart.caption = std::string(ChartCaption) + " - " + chart.title;
  chart.group1Limit = db.setup.Group1Limit;
  chart.group2Limit = db.setup.Group2Limit;
  chart.lastMonth = history.lastMonth;
  // A month without a rating yet is left out rather than drawn as 0.
  if (history.start > 0) chart.points.push_back({0, history.start});
  for (int m = 1; m <= history.lastMonth; ++m) {
    const int value = history.months[static_cast<size_t>(m - 1)];
    if (value > 0) chart.points.push_back({m, value});
  }
  return chart;
}

ChartAxes ChartAxesOf(const RatingChart& chart) {
  ChartAxes axes;
  axes.monthFrom = -0.5;
  axes.monthTo = std::max(chart.lastMonth, 1) + 0.5;
  int low = std::min(chart.group1Limit, chart.group2Limit);
  int high = std::max(chart.group1Limit, chart.group2Limit);
  if (!chart.points.empty()) {
    low = high = chart.points.front().rating;
    for (const ChartPoint& point : chart.points) {
      low = std::min(low, point.rating);
      high = std::max(high, point.rating);
    }
    const int ratingsLow = low, ratingsHigh = high;
    const auto shown = [&](int limit) {
      if (limit < ratingsLow - ChartLimitReach || limit > ratingsHigh + ChartLimitReach) return false;
      low = std::min(low, limit);
      high = std::max(high, limit);
      return true;
    };
    axes.group1Shown = shown(chart.group1Limit);
    axes.group2Shown = shown(chart.group2Limit);
  }
  const int margin = std::max(10, (high - low) / 10);
  low = std::max(0, low - margin);
  high += margin;
  // At most eight steps between the labels.
  for (int step : {10, 20, 25, 50, 100, 200, 250, 500, 1000, 2000, 5000}) {
    axes.ratingStep = step;
    if ((high - low) <= 8 * step) break;
  }
  axes.ratingLow = low / axes.ratingStep * axes.ratingStep;
  axes.ratingHigh = (high + axes.ratingStep - 1) / axes.ratingStep * axes.ratingStep;
  return axes;
}

std::string ChartMonthLabel(int month) {
  static const char* const labels[] = {"Start", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul",   "Aug", "Sep", "Oct", "Nov", "Dec"};
  return month >= 0 && month <= 12 ? labels[month] : "";
}

std::string ChartClipboardText(const RatingChart& chart) {
  std::string text = chart.title + "\r\n";
  for (const ChartPoint& point : chart.points)
    text += ChartMonthLabel(point.month) + "\t" + std::to_string(point.rating) + "\r\n";
  text += "Rating Group 1 Limit\t" + std::to_string(chart.group1Limit) + "\r\n";
  text += "Rating Group 2 Limit\t" + std::to_string(chart.group2Limit) + "\r\n";
  return text;
}

bool PrintRatingChart(const RatingChart& chart, const std::string& listName, const DataLocation& where,
                      Dialogs& dialogs, PrintJob& job, const Clock& clock, const std::function<void()>& drawChart) {
  StartReport(job, where, DatedReportName("chart-" + std::to_string(chart.sysId), clock.Today()));
  if (!dialogs.ChoosePrinter()) return false;
  job.PrintLine("");
  job.PrintLine(std::string(static_cast<size_t>(std::max(0, (72 - static_cast<int>(CharCount(listName))) / 2)), ' ') +
                listName);
  job.PrintLine("");
  job.PrintLine(std::string(ProductShort) + "    " + ChartCaption + "    Printed " + ShortDate(clock.Today()));
  job.PrintLine("");
  job.PrintLine(chart.title);
  job.PrintLine("");
  if (drawChart) drawChart();
  job.PrintLine("");
  std::string months, values;
  for (const ChartPoint& point : chart.points) {
    months += RightAlign(ChartMonthLabel(point.month), 6);
    values += RightAlign(point.rating, 6);
  }
  if (chart.points.empty()) months = "No ratings yet";
  job.PrintLine(months);
  job.PrintLine(values);
  job.PrintLine("");
  job.PrintLine("Rating Group 1 Limit " + std::to_string(chart.group1Limit) + "    Rating Group 2 Limit " +
                std::to_string(chart.group2Limit));
  return FinishPrintout(job, dialogs);
}

}  // namespace hrs
