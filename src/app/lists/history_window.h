#pragma once
#include <QWidget>
#include <functional>

#include "core/lists/rating_history.h"

namespace hrs::app {

class AppContext;
class FixedHeadingGrid;

// The grid window dbM_overview: the rating history of every active player,
// a fixed heading row and Id column, 15 columns.
class HistoryWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HistoryWindow(QWidget* parent = nullptr);

  // Fills the grid; the first rows are painted as they come.
  void Fill(const HistoryGrid& grid);
  FixedHeadingGrid* grid() const { return grid1_; }
  const HistoryGrid& shown() const { return shown_; }

  // A double click on a player's row, with his Sys Id; the context menu's
  // "Export...".
  std::function<void(int sysId)> onPlayerChosen;
  std::function<void()> onExport;

 protected:
  QSize sizeHint() const override;

 private:
  FixedHeadingGrid* grid1_;
  HistoryGrid shown_;
};

// View, "Rating History by ..." and the Calculate Ratings window's history
// button: closes the grid window when it is open and opens it anew, filled.
void ShowHistoryWindow(AppContext& ctx, HistoryOrder order);

}  // namespace hrs::app
