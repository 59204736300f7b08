#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "app/platform/fixed_font.h"
#include "app/shell/mdi_form.h"
#include "app/shell/shell_fixture.h"
#include "core/shell/window_arrangement.h"

namespace hrs::test {
namespace {

struct ListWindows : ::testing::Test {
  void SetUp() override {
    f.WriteClub(5);
    ASSERT_TRUE(f.Start());
    Database& db = f.window->database();
    db.setup.MinAdjustments = 0;
    db.players[2].Rating = 1700;
    db.players[4].Status = StatusDeleted;
    db.stats.At(2, 2) = 1650;
    f.dialogs.Clear();
  }
  QMdiSubWindow* Frame(QWidget* w) { return qobject_cast<QMdiSubWindow*>(w->parentWidget()); }
  ShellFixture f;
};

TEST_F(ListWindows, TheListWindowServesEveryListAndCopiesTheSelectedLines) {
  f.window->RunMenuItem("mnuv1");
  QWidget* window = f.window->FindChildWindow("dbListView");
  ASSERT_TRUE(window);
  EXPECT_EQ(window->windowTitle(), "Ranking List");
  auto* list = window->findChild<QListWidget*>("List1");
  auto* header = window->findChild<QLabel*>("Label1");
  ASSERT_TRUE(list && header);
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(0)->text(), "   1    2 Player2                      1700     ");
  EXPECT_EQ(header->text(), " Rank  Id  Name                       Rating  +/- Rank+/-");
  // The header in the list's font, starting where the lines start.
  EXPECT_EQ(list->font(), app::ListFont());
  EXPECT_EQ(header->font(), list->font());
  EXPECT_GT(header->contentsMargins().left(), list->frameWidth());

  // Ctrl+A, then Shift+Up: every line but the last is copied.
  f.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
  list->setFocus();
  QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(list->selectedItems().size(), 4);
  list->setCurrentRow(0);
  QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(list->selectedItems().size(), 3);
  f.window->RunMenuItem("mnucopc");
  EXPECT_EQ(QGuiApplication::clipboard()->text().count('\n'), 3);

  // The same window, minimized, comes back for the master list.
  Frame(window)->showMinimized();
  f.window->RunMenuItem("mnuv4");
  EXPECT_EQ(f.window->FindChildWindow("dbListView"), window);
  EXPECT_FALSE(Frame(window)->isMinimized());
  EXPECT_EQ(window->windowTitle(), "Master List by Name");
  EXPECT_EQ(list->count(), 4);  // the deleted player is left out
  EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(ListWindows, TheHistoryGridWithItsFixedHeadings) {
  f.window->RunMenuItem("mnuv5");
  QWidget* window = f.window->FindChildWindow("dbM_overview");
  ASSERT_TRUE(window);
  EXPECT_EQ(window->windowTitle(), "Rating History by Sys Id");
  auto* grid = window->findChild<QTableWidget*>("Grid1");
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->columnCount(), 15);
  EXPECT_EQ(grid->rowCount(), 6);
  EXPECT_EQ(grid->item(0, 3)->text(), "Jan");
  EXPECT_EQ(grid->item(2, 1)->text(), "Player2");
  EXPECT_EQ(grid->item(2, 3)->text(), "1650");
  EXPECT_EQ(grid->item(4, 0)->text(), "5");       // the deleted player takes no row
  EXPECT_EQ(grid->item(5, 0), nullptr);           // the row left over stays empty
  EXPECT_FALSE(grid->item(0, 2)->flags() & Qt::ItemIsSelectable);
  EXPECT_FALSE(grid->item(3, 0)->flags() & Qt::ItemIsSelectable);
  EXPECT_TRUE(grid->item(3, 5)->flags() & Qt::ItemIsSelectable);
  EXPECT_EQ(grid->item(3, 5)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(grid->item(3, 1)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  EXPECT_EQ(grid->columnWidth(1), TwipsToPixels(2500));
  // The documented widths: at its own size the window shows every month,
  // and a four-figure rating fits its column.
  for (int c : {0, 2, 14}) EXPECT_EQ(grid->columnWidth(c), TwipsToPixels(420));
  EXPECT_LE(grid->fontMetrics().horizontalAdvance("2888") + 2, TwipsToPixels(420));
  QApplication::processEvents();
  EXPECT_LE(grid->columnViewportPosition(14) + grid->columnWidth(14), grid->viewport()->width());
  // The id and the name stay in view when the grid is scrolled sideways.
  grid->resize(TwipsToPixels(4000), grid->height());
  QApplication::processEvents();
  grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
  QApplication::processEvents();
  const QWidget* frozen = nullptr;
  for (auto* view : grid->findChildren<QTableView*>())
    if (view != grid && view->geometry().width() == grid->columnWidth(0) + grid->columnWidth(1)) frozen = view;
  ASSERT_TRUE(frozen);
  EXPECT_TRUE(frozen->isVisible());

  // From the Calculate Ratings window: rebuilt by name.
  f.window->RunMenuItem("mnucalc");
  QWidget* calc = f.window->FindChildWindow("dbCalc");
  ASSERT_TRUE(calc);
  auto* history = calc->findChild<QPushButton*>("Command4");
  ASSERT_TRUE(history->isEnabled());
  QTest::mouseClick(history, Qt::LeftButton);
  QApplication::processEvents();
  QWidget* again = f.window->FindChildWindow("dbM_overview");
  ASSERT_TRUE(again);
  EXPECT_EQ(again->windowTitle(), "Rating History by Name");
  int grids = 0;
  for (QMdiSubWindow* sub : f.window->mdiArea()->subWindowList())
    grids += sub->widget() && sub->widget()->objectName() == "dbM_overview";
  EXPECT_EQ(grids, 1);
}

}  // namespace
}  // namespace hrs::test
