#pragma once
#include <QPointer>
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

}  // namespace hrs::app
