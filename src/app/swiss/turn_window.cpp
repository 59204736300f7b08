#include "app/swiss/turn_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/platform/fixed_font.h"
#include "app/platform/qt_text.h"
#include "app/shell/activation.h"
#include "app/shell/app_context.h"
#include "app/shell/busy_cursor.h"
#include "app/platform/form_binding.h"
#include "core/shell/window_arrangement.h"

namespace hrs::app {

namespace {

QListWidget* NewList(QWidget* parent, const char* name, QAbstractItemView::SelectionMode mode) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setFont(ListFont());
  list->setSelectionMode(mode);
  list->setMinimumWidth(QFontMetrics(list->font()).horizontalAdvance(QString(33, 'W')) / 1 + 24);
  return list;
}

QLineEdit* NewText(QWidget* parent, const char* name, int widthChars) {
  auto* text = new QLineEdit(parent);
  text->setObjectName(name);
  text->setMaximumWidth(text->fontMetrics().horizontalAdvance(QString(widthChars, '0')) + 16);
  return text;
}

QLabel* NewLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

std::vector<int> SelectedRows(QAbstractItemView* view) {
  std::vector<int> rows;
  for (const QModelIndex& index : view->selectionModel()->selectedRows()) rows.push_back(index.row());
  return rows;
}

}  // namespace

TurnWindow::TurnWindow(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
  setObjectName("dbTurn");

  label1_ = NewLabel(this, "Label1");
  label2_ = NewLabel(this, "Label2");
  label3_ = NewLabel(this, "Label3");

  grid1_ = new QTableWidget(this);
  grid1_->setObjectName("Grid1");
  grid1_->setColumnCount(static_cast<int>(GridCaptions.size()));
  QStringList captions;
  for (const char* c : GridCaptions) captions << QString::fromLatin1(c);
  grid1_->setHorizontalHeaderLabels(captions);
  int gridWidth = 0;
  for (size_t c = 0; c < GridWidthsTwips.size(); ++c) {
    // No narrower than its caption, whatever the screen's font.
    const int width = std::max(TwipsToPixels(GridWidthsTwips[c]),
                               grid1_->horizontalHeader()->fontMetrics().horizontalAdvance(QString::fromLatin1(GridCaptions[c])) + 14);
    grid1_->setColumnWidth(static_cast<int>(c), width);
    gridWidth += width;
  }
  grid1_->verticalHeader()->hide();
  grid1_->verticalHeader()->setDefaultSectionSize(grid1_->fontMetrics().height() + 6);
  grid1_->horizontalHeader()->setStretchLastSection(true);
  grid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  grid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid1_->setWordWrap(false);
  grid1_->setMinimumWidth(gridWidth + grid1_->verticalScrollBar()->sizeHint().width() + 4);
  grid1_->viewport()->installEventFilter(this);
  connect(grid1_, &QTableWidget::itemSelectionChanged, this, [this] {
    if (showing_) return;
    Grid1SelectionChange(form_, SelectedRows(grid1_));
  });

  list1_ = NewList(this, "List1", QAbstractItemView::ExtendedSelection);
  list1_->viewport()->installEventFilter(this);
  connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
    if (showing_) return;
    List1SelectionChange(form_, SelectedRows(list1_));
  });
  list2_ = NewList(this, "List2", QAbstractItemView::SingleSelection);
  list2_->viewport()->installEventFilter(this);
  connect(list2_, &QListWidget::itemSelectionChanged, this, [this] {
    if (showing_) return;
    const auto rows = SelectedRows(list2_);
    List2SelectionChange(form_, rows.empty() ? -1 : rows.front());
  });
  connect(list2_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    if (showing_) return;
    List2SelectionChange(form_, list2_->row(item));
    List2DblClick(form_);
    AfterEvent();
  });

  text1_ = NewText(this, "Text1", 5);
  text4_ = NewText(this, "Text4", 5);
  for (QLineEdit* counter : {text1_, text4_}) {
    counter->setReadOnly(true);
    counter->setFocusPolicy(Qt::NoFocus);
  }
  text2_ = NewText(this, "Text2", 4);
  text3_ = new QLineEdit(this);
  text3_->setObjectName("Text3");
  connect(text2_, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!showing_) Text2Change(form_, FromQt(t));
  });
  connect(text3_, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (showing_) return;
    Text3Change(form_, FromQt(t));
    AfterEvent();
  });

  check1_ = new QCheckBox(this);
  check1_->setObjectName("Check1");
  connect(check1_, &QCheckBox::clicked, this, [this](bool on) {
    Check1Click(form_, on);
    AfterEvent();
  });

  QPushButton* command1 = NewButton("Command1", "&Add Players", [this] { Command1Click(form_, ctx_.db); });
  QPushButton* command2 = NewButton("Command2", "&Remove Player", [this] { Command2Click(form_, ctx_.db); });
  QPushButton* command8 = NewButton("Command8", "A&dd Slots", [this] { Command8Click(form_); });
  QPushButton* command3 = NewButton("Command3", "&Clear List", [this] { Command3Click(form_, ctx_.db); });
  QPushButton* command4 = NewButton("Command4", "&Save Workfile",
                                    [this] { Command4Click(form_, ctx_.db, ctx_.dialogs, [this] { Show(); }); });
  QPushButton* command7 = NewButton("Command7", "&Load Workfile", [this] { Command7Click(form_, ctx_.db, ctx_.dialogs); });
  QPushButton* command5 = NewButton("Command5", "&Export to tournament",
                                    [this] { Command5Click(form_, ctx_.db, ctx_.dialogs); });
  QPushButton* command6 = NewButton("Command6", "E&xit", [this] { Command6Click(form_, ctx_.dialogs); });

  // Left: the grid; middle: the selected players and the slots; right: the buttons.
  auto* left = new QVBoxLayout;
  left->addWidget(label2_);
  left->addWidget(grid1_, 1);
  auto* search = new QHBoxLayout;
  search->addWidget(check1_);
  search->addWidget(text3_, 1);
  left->addLayout(search);

  auto* middle = new QGridLayout;
  middle->addWidget(new QLabel("Selected players", this), 0, 0);
  middle->addWidget(text4_, 0, 1);
  middle->addWidget(list1_, 1, 0, 1, 2);
  middle->addWidget(label3_, 2, 0, 1, 2);
  middle->addWidget(new QLabel("Reserved slots", this), 3, 0);
  middle->addWidget(list2_, 4, 0, 1, 2);
  auto* slotRow = new QHBoxLayout;
  slotRow->addWidget(new QLabel("Slots", this));
  slotRow->addWidget(text2_);
  slotRow->addWidget(command8);
  slotRow->addStretch(1);
  middle->addLayout(slotRow, 5, 0, 1, 2);
  middle->addWidget(new QLabel("Players and slots", this), 6, 0);
  middle->addWidget(text1_, 6, 1);
  middle->setRowStretch(1, 3);
  middle->setRowStretch(4, 1);

  auto* right = new QVBoxLayout;
  for (QPushButton* b : {command1, command2, command3, command4, command7, command5}) right->addWidget(b);
  right->addStretch(1);
  right->addWidget(label1_);
  right->addWidget(command6);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 3);
  layout->addLayout(middle, 2);
  layout->addLayout(right, 1);
  label1_->setMaximumWidth(command5->sizeHint().width() * 3 / 2);

  {
    BusyCursor busy(this);
    TurnFormLoad(form_, ctx_.db, ctx_.dialogs);
  }
  Show();
  // However the window is closed, it asks before the selection goes.
  CallOnActivation(this, [this] {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->installEventFilter(this);
  });
}

QSize TurnWindow::sizeHint() const {
  return QSize(TwipsToPixels(TurnWidthTwips), TwipsToPixels(TurnHeightTwips)).expandedTo(minimumSizeHint());
}

QPushButton* TurnWindow::NewButton(const char* name, const char* caption, std::function<void()> click) {
  auto* button = new QPushButton(QString::fromLatin1(caption), this);
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this, [this, click = std::move(click)] {
    click();
    AfterEvent();
  });
  return button;
}

bool TurnWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    // The right button acts on what is highlighted and leaves the selection as it is.
    if (mouse->button() == Qt::RightButton) {
      if (event->type() == QEvent::MouseButtonPress) {
        if (watched == grid1_->viewport()) Grid1RightClick(form_, ctx_.db);
        else if (watched == list1_->viewport()) List1RightClick(form_, ctx_.db);
        else if (watched == list2_->viewport()) List2RightClick(form_);
        else return QWidget::eventFilter(watched, event);
        AfterEvent();
      }
      return true;
    }
  } else if (event->type() == QEvent::Close && watched == parentWidget()) {
    if (!form_.close) {
      Command6Click(form_, ctx_.dialogs);
      if (!form_.close) {
        event->ignore();
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TurnWindow::Show() {
  showing_ = true;
  setWindowTitle(ToQt(form_.caption));
  const PlayerGrid& grid = form_.Grid1;
  const int rows = static_cast<int>(grid.rows.size());
  const bool rebuilt = grid1_->rowCount() != rows;
  grid1_->setRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    const GridRow& row = grid.rows[static_cast<size_t>(r)];
    for (int c = 0; c < static_cast<int>(row.cells.size()); ++c) {
      const QString text = ToQt(row.cells[static_cast<size_t>(c)]);
      QTableWidgetItem* cell = grid1_->item(r, c);
      if (!cell) {
        cell = new QTableWidgetItem(text);
        cell->setTextAlignment(c == GridNameColumn || c == 4 ? Qt::AlignLeft | Qt::AlignVCenter
                                                             : Qt::AlignRight | Qt::AlignVCenter);
        grid1_->setItem(r, c, cell);
      } else if (cell->text() != text) {
        cell->setText(text);
      }
    }
  }
  QItemSelection selection;
  for (int r : grid.selected)
    if (r >= 0 && r < rows) selection.select(grid1_->model()->index(r, 0), grid1_->model()->index(r, grid1_->columnCount() - 1));
  grid1_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  // The top row the form names counts 25 rows to the grid; a grid of
  // another height puts the first match on top, the view stopping at the
  // end of the list, so the match is never left below the middle.
  const int top = grid.selected.empty() ? grid.topRow : std::max(grid.topRow, grid.selected.front());
  if (rows > 0 && (rebuilt || top != shownTopRow_ || rows != shownRows_)) {
    grid1_->scrollToItem(grid1_->item(std::min(top, rows - 1), 0), QAbstractItemView::PositionAtTop);
  }
  shownTopRow_ = top;
  shownRows_ = rows;

  ShowList(list1_, form_.List1);
  ShowList(list2_, form_.List2);
  ShowText(text1_, form_.Text1);
  ShowText(text2_, form_.Text2);
  ShowText(text3_, form_.Text3);
  ShowText(text4_, form_.Text4);
  ShowLabel(label1_, form_.Label1);
  ShowLabel(label2_, form_.Label2);
  ShowLabel(label3_, form_.Label3);
  ShowButton(check1_, form_.Check1);
  showing_ = false;
}

void TurnWindow::AfterEvent() {
  Show();
  if (!form_.focus.empty()) {
    if (auto* target = findChild<QWidget*>(ToQt(form_.focus))) target->setFocus();
    form_.focus.clear();
  }
  if (form_.close) CloseChildWindow(this);
}

}  // namespace hrs::app
