#include "app/lists/fixed_heading_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>
#include <utility>

namespace hrs::app {

namespace {

// The style's text margins would cut a four-figure rating in a column of
// 420 twips; this one keeps a pixel at either side.
class NarrowCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : nullptr;
    if (style) style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(opt.rect.adjusted(1, 0, -1, 0), static_cast<int>(opt.displayAlignment), text);
    painter->restore();
  }
};

}  // namespace

FixedHeadingGrid::FixedHeadingGrid(QWidget* parent) : QTableWidget(parent) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setHorizontalScrollMode(ScrollPerPixel);
  setVerticalScrollMode(ScrollPerPixel);
  setSelectionMode(ExtendedSelection);
  setEditTriggers(NoEditTriggers);
  fixedRow_ = Overlay();
  fixedColumn_ = Overlay();
  corner_ = Overlay();
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, fixedRow_->horizontalScrollBar(), &QScrollBar::setValue);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, fixedColumn_->verticalScrollBar(), &QScrollBar::setValue);
  connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
    for (QTableView* view : {fixedRow_, fixedColumn_, corner_}) view->setColumnWidth(column, size);
    PlaceOverlays();
  });
  connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int row, int, int size) {
    for (QTableView* view : {fixedRow_, fixedColumn_, corner_}) view->setRowHeight(row, size);
    PlaceOverlays();
  });
}

QTableView* FixedHeadingGrid::Overlay() {
  auto* view = new QTableView(this);
  view->setModel(model());
  view->setFocusPolicy(Qt::NoFocus);
  view->horizontalHeader()->hide();
  view->verticalHeader()->hide();
  view->setFrameShape(QFrame::NoFrame);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setHorizontalScrollMode(ScrollPerPixel);
  view->setVerticalScrollMode(ScrollPerPixel);
  view->setSelectionMode(NoSelection);
  // Clicks and the wheel belong to the grid underneath.
  view->setAttribute(Qt::WA_TransparentForMouseEvents);
  view->show();
  return view;
}

QTableWidgetItem* FixedHeadingGrid::MakeCell(const QString& text, int row, int column, Qt::Alignment alignment) const {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(alignment | Qt::AlignVCenter);
  if (row == 0 || column == 0) {
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(palette().button());
  } else {
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  }
  return item;
}

void FixedHeadingGrid::SetFrozenColumns(int count) {
  frozenColumns_ = std::max(1, count);
  PlaceOverlays();
}

void FixedHeadingGrid::UseNarrowCells() {
  for (QAbstractItemView* view : std::initializer_list<QAbstractItemView*>{this, fixedRow_, fixedColumn_, corner_})
    view->setItemDelegate(new NarrowCellDelegate(view));
}

void FixedHeadingGrid::CellsChanged() {
  for (QAbstractItemView* view : std::initializer_list<QAbstractItemView*>{this, fixedRow_, fixedColumn_, corner_})
    view->viewport()->update();
}

void FixedHeadingGrid::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  PlaceOverlays();
}

void FixedHeadingGrid::updateGeometries() {
  QTableWidget::updateGeometries();
  PlaceOverlays();
}

void FixedHeadingGrid::PlaceOverlays() {
  if (!fixedRow_) return;
  // The headings' rows and columns as high and as wide as the grid's own.
  for (QTableView* view : {fixedRow_, fixedColumn_, corner_}) {
    for (auto [mine, theirs] : {std::pair{verticalHeader(), view->verticalHeader()},
                                std::pair{horizontalHeader(), view->horizontalHeader()}}) {
      if (theirs->minimumSectionSize() != mine->minimumSectionSize())
        theirs->setMinimumSectionSize(mine->minimumSectionSize());
      if (theirs->defaultSectionSize() != mine->defaultSectionSize())
        theirs->setDefaultSectionSize(mine->defaultSectionSize());
    }
  }
  const QRect area = viewport()->geometry();
  const int rowHeight = rowCount() > 0 ? this->rowHeight(0) : 0;
  int columnWidth = 0;
  for (int c = 0; c < std::min(frozenColumns_, columnCount()); ++c) columnWidth += this->columnWidth(c);
  fixedRow_->setGeometry(area.left(), area.top(), area.width(), std::min(rowHeight, area.height()));
  fixedColumn_->setGeometry(area.left(), area.top(), std::min(columnWidth, area.width()), area.height());
  corner_->setGeometry(area.left(), area.top(), std::min(columnWidth, area.width()), std::min(rowHeight, area.height()));
  fixedRow_->setVisible(rowCount() > 0);
  fixedColumn_->setVisible(columnCount() > 0);
  corner_->setVisible(rowCount() > 0 && columnCount() > 0);
  fixedRow_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
  fixedColumn_->verticalScrollBar()->setValue(verticalScrollBar()->value());
  fixedRow_->raise();
  fixedColumn_->raise();
  corner_->raise();
}

}  // namespace hrs::app
