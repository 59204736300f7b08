#pragma once
#include <QPointer>
#include <functional>
#include <QWidget>

namespace hrs::app {

// The hourglass while an operation runs: on the whole program, and on the
// given window too; the normal cursor comes back however the scope is left.
class BusyCursor {
 public:
  explicit BusyCursor(QWidget* window = nullptr);
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  QPointer<QWidget> window_;
  bool hadCursor_ = false;
  QCursor previous_;
};

// Runs one event of a window with modes, never inside another (a dialog's
// own event loop may deliver one), with the hourglass when asked. False,
// doing nothing, while another event of the window is still running.
bool RunOneEvent(QWidget* window, bool& running, const std::function<void()>& event, bool busy);

}  // namespace hrs::app
