#include "app/shell/clipboard_copy.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <algorithm>
#include <exception>

#include "app/platform/qt_text.h"
#include "app/shell/busy_cursor.h"
#include "core/shell/clipboard_text.h"

namespace hrs::app {

namespace {

QWidget* ActiveControl(QMdiArea& mdi) {
  QMdiSubWindow* sub = mdi.activeSubWindow();
  if (!sub || !sub->widget()) return nullptr;
  return sub->widget()->focusWidget();
}

std::string ListText(const QListWidget& list) {
  std::vector<std::string> lines;
  std::vector<bool> selected;
  for (int i = 0; i < list.count(); ++i) {
    lines.push_back(FromQt(list.item(i)->text()));
    selected.push_back(list.item(i)->isSelected());
  }
  return ListClipboardText(lines, selected);
}

std::string GridText(const QTableWidget& grid) {
  int lastRow = -1, firstColumn = grid.columnCount(), lastColumn = -1;
  for (const auto& range : grid.selectedRanges()) {
    lastRow = std::max(lastRow, range.bottomRow());
    firstColumn = std::min(firstColumn, range.leftColumn());
    lastColumn = std::max(lastColumn, range.rightColumn());
  }
  if (lastRow < 0 && grid.currentRow() >= 0) {
    // No block marked: the current cell is the selection.
    lastRow = grid.currentRow();
    firstColumn = lastColumn = std::max(grid.currentColumn(), 0);
  }
  return GridClipboardText(
      [&grid](int row, int column) {
        const QTableWidgetItem* item = grid.item(row, column);
        return item ? FromQt(item->text()) : std::string();
      },
      lastRow, firstColumn, lastColumn);
}

}  // namespace

void CopyToClipboard(QMdiArea& mdi, Dialogs& dialogs) {
  ClipboardCopy outcome = ClipboardCopy::NotSupported;
  {
    BusyCursor busy;
    try {
      QWidget* control = ActiveControl(mdi);
      QClipboard* clipboard = QGuiApplication::clipboard();
      if (auto* list = qobject_cast<QListWidget*>(control)) {
        BusyCursor listBusy(list);
        clipboard->clear();
        clipboard->setText(ToQt(ListText(*list)));
        outcome = ClipboardCopy::ListCopied;
      } else if (auto* grid = qobject_cast<QTableWidget*>(control)) {
        BusyCursor gridBusy(grid);
        clipboard->clear();
        clipboard->setText(ToQt(GridText(*grid)));
        outcome = ClipboardCopy::GridCopied;
      }
    } catch (const std::exception&) {
      outcome = ClipboardCopy::Failed;
    }
  }
  TellClipboardCopy(outcome, dialogs);
}

}  // namespace hrs::app
