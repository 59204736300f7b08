#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "core/players/player_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace hrs::app {

class AppContext;

// The player database window dbPlayer: the mirror of PlayerForm. Every
// event goes to core; Show() puts the form into the widgets.
class PlayerWindow : public QWidget {
  Q_OBJECT
 public:
  explicit PlayerWindow(AppContext& ctx, QWidget* parent = nullptr);

  const PlayerForm& form() const { return form_; }

 protected:
  QSize sizeHint() const override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void Show();
  void ShowList();
  void ShowFocus();
  void Edited(QLineEdit* edit);
  void OptionClicked(PlayerMode mode);
  void Unload();
  void CloseForm();

  AppContext& ctx_;
  PlayerForm form_;
  bool showing_ = false;
  bool unloaded_ = false;

  QLineEdit* text1_;
  QLineEdit* text2_;
  QLineEdit* text3_;
  QLineEdit* text4_;
  QLineEdit* text5_;
  QCheckBox* check1_;
  QCheckBox* check2_;
  QRadioButton* option1_;
  QRadioButton* option2_;
  QRadioButton* option3_;
  QRadioButton* option4_;
  QPushButton* command1_;
  QPushButton* command2_;
  QPushButton* command3_;
  QListWidget* list1_;
  QLabel* label5_;
  QLabel* label6_;
  QLabel* label9_;
  QLabel* label10_;
  QLabel* label11_;
  QLabel* pic1_;

  // What the list shows now, so that Show() touches it only when core changed it.
  int shownTop_ = -1;
};

}  // namespace hrs::app
