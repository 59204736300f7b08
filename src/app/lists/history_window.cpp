#include "app/lists/history_window.h"

#include <QAction>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/lists/fixed_heading_grid.h"
#include "app/lists/rating_chart_window.h"
#include "app/platform/fixed_font.h"
#include "app/platform/form_binding.h"
#include "app/platform/qt_text.h"
#include "app/shell/app_context.h"
#include "app/shell/busy_cursor.h"
#include "app/shell/mdi_form.h"
#include "core/lists/list_export.h"
#include "core/shell/window_arrangement.h"

namespace hrs::app {

namespace {
constexpr int HistoryGridWidthTwips = 9160;
constexpr int HistoryGridHeightTwips = 6600;
}  // namespace

HistoryWindow::HistoryWindow(QWidget* parent) : QWidget(parent) {
  setObjectName("dbM_overview");
  grid1_ = new FixedHeadingGrid(this);
  grid1_->setObjectName("Grid1");
  grid1_->setColumnCount(HistoryColumns);
  grid1_->setWordWrap(false);
  // The columns of the documented widths, so that every month fits the
  // window; the id and the name stay in view when it scrolls.
  grid1_->setFont(GridFont());
  grid1_->UseNarrowCells();
  grid1_->SetFrozenColumns(2);
  grid1_->verticalHeader()->setMinimumSectionSize(grid1_->fontMetrics().height() + 2);
  grid1_->verticalHeader()->setDefaultSectionSize(grid1_->fontMetrics().height() + 4);
  for (int c = 0; c < HistoryColumns; ++c) grid1_->setColumnWidth(c, TwipsToPixels(HistoryColumnTwips(c)));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid1_);

  auto* exportAction = new QAction(QStringLiteral("Export..."), this);
  exportAction->setObjectName("mnuExport");
  grid1_->setContextMenuPolicy(Qt::ActionsContextMenu);
  grid1_->addAction(exportAction);
  connect(exportAction, &QAction::triggered, this, [this] {
    if (onExport) onExport();
  });
  connect(grid1_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    if (row < 1 || static_cast<size_t>(row) >= shown_.sysIds.size() || !onPlayerChosen) return;
    onPlayerChosen(shown_.sysIds[static_cast<size_t>(row)]);
  });
}

QSize HistoryWindow::sizeHint() const {
  return {TwipsToPixels(HistoryGridWidthTwips), TwipsToPixels(HistoryGridHeightTwips)};
}

void HistoryWindow::Fill(const HistoryGrid& grid) {
  shown_ = grid;
  setWindowTitle(ToQt(grid.caption));
  grid1_->clearContents();
  grid1_->setRowCount(grid.rowCount);
  // The views are told of the cells once, at the end, rather than by a
  // signal a cell (30,000 of them in the largest club): the whole grid is
  // filled sooner than its first rows could be painted one by one.
  const QSignalBlocker quiet(grid1_->model());
  for (size_t r = 0; r < grid.rows.size() && static_cast<int>(r) < grid.rowCount; ++r) {
    const int row = static_cast<int>(r);
    for (int c = 0; c < HistoryColumns; ++c) {
      const std::string& text = grid.rows[r][static_cast<size_t>(c)];
      // Month cells after the last month stay empty, headings excepted.
      if (text.empty() && row > 0) continue;
      grid1_->setItem(row, c,
                      grid1_->MakeCell(ToQt(text), row, c, HistoryColumnCentred(c) ? Qt::AlignHCenter : Qt::AlignLeft));
    }
  }
  grid1_->CellsChanged();
}

void ShowHistoryWindow(AppContext& ctx, HistoryOrder order) {
  const auto grid = ShowHistory(order, ctx.db, ctx.dialogs, ctx.clock);
  if (!grid) return;
  if (QWidget* open = ctx.FindChildWindow(QStringLiteral("dbM_overview"))) {
    // Closed, so that it is built anew.
    CloseChildWindow(open);
  }
  auto* window = new HistoryWindow;
  window->onPlayerChosen = [&ctx](int sysId) { ShowRatingChart(ctx, sysId); };
  window->onExport = [&ctx, window] { ExportList(GridExportTable(window->shown()), ctx.db, ctx.dialogs, ctx.clock); };
  ctx.OpenChild(window);
  BusyCursor mainBusy(&ctx.mainWindow);
  BusyCursor gridBusy(window->grid());
  QWidget* calc = ctx.FindChildWindow(QStringLiteral("dbCalc"));
  BusyCursor calcBusy(calc && calc->isVisible() ? calc : nullptr);
  window->Fill(*grid);
}

}  // namespace hrs::app
