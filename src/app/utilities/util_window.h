#pragma once
#include <QWidget>
#include <functional>

#include "core/utilities/util_form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace hrs::app {

class AppContext;

// The utilities window dbUtil: a mirror of its form state in core. Every
// widget event goes to the core event of that name, then Show() copies the
// state back into the widgets.
class UtilWindow : public QWidget {
  Q_OBJECT
 public:
  explicit UtilWindow(AppContext& ctx, QWidget* parent = nullptr);

  const UtilForm& form() const { return form_; }

 protected:
  QSize sizeHint() const override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void Run(const std::function<void()>& event, bool busy = false);
  void Show();
  void CloseForm();

  AppContext& ctx_;
  UtilForm form_;
  bool showing_ = false;
  bool running_ = false;

  QRadioButton* options_[7] = {};
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPushButton* command5_ = nullptr;
  QPushButton* command6_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QListWidget* list1_ = nullptr;
};

}  // namespace hrs::app
