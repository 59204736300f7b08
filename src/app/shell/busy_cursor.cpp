#include "app/shell/busy_cursor.h"

#include <QApplication>

namespace hrs::app {

BusyCursor::BusyCursor(QWidget* window) : window_(window) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (window_) {
    hadCursor_ = window_->testAttribute(Qt::WA_SetCursor);
    previous_ = window_->cursor();
    window_->setCursor(Qt::WaitCursor);
  }
}

BusyCursor::~BusyCursor() {
  if (window_) {
    if (hadCursor_)
      window_->setCursor(previous_);
    else
      window_->unsetCursor();
  }
  QApplication::restoreOverrideCursor();
}

}  // namespace hrs::app
