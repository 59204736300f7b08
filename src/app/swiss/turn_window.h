#pragma once
#include <QWidget>

#include "core/swiss/turn_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace hrs::app {

class AppContext;

// The window dbTurn: players picked for a tournament of the companion Swiss
// program, the workfile and the export. Every rule is in core; the window
// forwards events and shows the form.
class TurnWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TurnWindow(AppContext& ctx, QWidget* parent = nullptr);

  const TurnForm& form() const { return form_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  QSize sizeHint() const override;

 private:
  void Show();
  void AfterEvent();
  QPushButton* NewButton(const char* name, const char* caption, std::function<void()> click);

  AppContext& ctx_;
  TurnForm form_;
  bool showing_ = false;
  int shownTopRow_ = -1;
  int shownRows_ = -1;

  QTableWidget* grid1_;
  QListWidget* list1_;
  QListWidget* list2_;
  QLineEdit* text1_;
  QLineEdit* text2_;
  QLineEdit* text3_;
  QLineEdit* text4_;
  QLabel* label1_;
  QLabel* label2_;
  QLabel* label3_;
  QCheckBox* check1_;
};

}  // namespace hrs::app
