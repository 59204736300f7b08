#include "app/shell/busy_cursor.h"

#include <optional>

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

bool RunOneEvent(QWidget* window, bool& running, const std::function<void()>& event, bool busy) {
  if (running) return false;
  running = true;
  struct Done {
    bool& running;
    ~Done() { running = false; }
  } done{running};
  std::optional<BusyCursor> cursor;
  if (busy) cursor.emplace(window);
  event();
  return true;
}

}  // namespace hrs::app
