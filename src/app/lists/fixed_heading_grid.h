#pragma once
#include <QTableWidget>

class QTableView;

namespace hrs::app {

// A grid whose first row and first column are fixed headings: they are
// cells of the grid (row 0 and column 0, as Copy to ClipBoard reads them),
// drawn grey, never selected, and kept in view while the rest scrolls. More
// leading columns may be kept in view too (a name beside its id).
class FixedHeadingGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit FixedHeadingGrid(QWidget* parent = nullptr);

  // A cell as a heading (row 0 or column 0) or as an ordinary one.
  QTableWidgetItem* MakeCell(const QString& text, int row, int column, Qt::Alignment alignment) const;

  // The leading columns kept in view while the grid scrolls sideways (1).
  void SetFrozenColumns(int count);
  // Cells drawn with a pixel to spare at either side, so that narrow
  // columns hold their figures whole.
  void UseNarrowCells();
  // Cells were set while the model's signals were blocked: every view
  // paints them anew.
  void CellsChanged();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void updateGeometries() override;

 private:
  QTableView* Overlay();
  void PlaceOverlays();

  QTableView* fixedRow_ = nullptr;
  QTableView* fixedColumn_ = nullptr;
  QTableView* corner_ = nullptr;
  int frozenColumns_ = 1;
};

}  // namespace hrs::app
