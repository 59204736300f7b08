#pragma once
#include <QWidget>

#include "core/lists/rating_chart.h"

class QChartView;
class QPushButton;
class QChart;

namespace hrs::app {

class AppContext;

// The chart window dbChart: one player's start rating and month-end ratings
// as a line, the setup's rating group limits as two level lines, and the
// buttons Copy to ClipBoard, Print and Close.
class RatingChartWindow : public QWidget {
  Q_OBJECT
 public:
  RatingChartWindow(AppContext& ctx, QWidget* parent = nullptr);

  void Show(const RatingChart& chart);
  QChartView* view() const { return view_; }

 protected:
  QSize sizeHint() const override;

 private:
  void CopyClicked();
  void PrintClicked();

  AppContext& ctx_;
  RatingChart chart_;
  QChartView* view_;
  QPushButton* copy_;
  QPushButton* print_;
  QPushButton* close_;
};

// A double click on a player's row of the history grid: the chart window,
// opened anew for that player (there is one at a time).
void ShowRatingChart(AppContext& ctx, int sysId);

}  // namespace hrs::app
