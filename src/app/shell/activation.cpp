#include "app/shell/activation.h"

#include <QEvent>
#include <QMdiSubWindow>

namespace hrs::app {

namespace {

class ActivationWatch : public QObject {
 public:
  ActivationWatch(QWidget* form, std::function<void()> action)
      : QObject(form), form_(form), action_(std::move(action)) {
    form->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == form_ && e->type() == QEvent::Show && !connected_) {
      connected_ = true;
      for (QWidget* w = form_->parentWidget(); w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
          connect(sub, &QMdiSubWindow::aboutToActivate, this, [this] { action_(); });
          break;
        }
      }
      action_();
    }
    return QObject::eventFilter(watched, e);
  }

 private:
  QWidget* form_;
  std::function<void()> action_;
  bool connected_ = false;
};

}  // namespace

void CallOnActivation(QWidget* form, std::function<void()> action) { new ActivationWatch(form, std::move(action)); }

}  // namespace hrs::app
