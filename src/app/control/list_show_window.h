#pragma once
#include <QWidget>
#include <functional>

#include "core/control/control_centre_form.h"

class QGroupBox;
class QListWidget;

namespace hrs::app {

// The result list window dbListShow: the duels of one month, shown beside
// the Control Centre, which owns its state.
class ListShowWindow : public QWidget {
  Q_OBJECT
 public:
  // `clicked` for a click on a line, `closed` when the operator closes it.
  ListShowWindow(std::function<void(int row)> clicked, std::function<void()> closed, QWidget* parent = nullptr);
  // The owner closes it: no more calls.
  void Forget();

  void Show(const ListShowForm& form);
  QListWidget* list() const { return list1_; }

 protected:
  QSize sizeHint() const override;
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  std::function<void(int)> clicked_;
  std::function<void()> closed_;
  QGroupBox* frame_;
  QListWidget* list1_;
  bool showing_ = false;
};

}  // namespace hrs::app
