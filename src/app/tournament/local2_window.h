#pragma once
#include <QWidget>
#include <functional>
#include <memory>

#include "core/tournament/local2_form.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace hrs::app {

class AppContext;

// The small tournament's operation window dbLocal2: round-robin results,
// standings and groups. `closed` runs when it closes (dbLocal comes back).
class Local2Window : public QWidget {
  Q_OBJECT
 public:
  Local2Window(AppContext& ctx, std::shared_ptr<SmallTournament> tournament, std::function<void()> closed,
               QWidget* parent = nullptr);

  const Local2Form& form() const { return form_; }
  QAction* MenuItem(const QString& name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  QSize sizeHint() const override;

 private:
  void Show();
  void AfterEvent();

  AppContext& ctx_;
  std::shared_ptr<SmallTournament> tournament_;
  std::function<void()> closed_;
  Local2Form form_;
  bool showing_ = false;
  int list1Shown_ = -1;  // the filling of List1 on the screen

  QLineEdit* text1_;
  QLineEdit* text2_;
  QLineEdit* text3_;
  QLabel* label3_;
  QLabel* label4_;
  QPushButton* command1_;
  QPushButton* command2_;
  QPushButton* command3_;
  QCheckBox* check1_;
  QCheckBox* check2_;
  QListWidget* list1_;
  QLabel* label1_;
  QLabel* label2_;
};

}  // namespace hrs::app
