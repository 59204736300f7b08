#pragma once
#include <QWidget>

#include "core/rating/calc_form.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace hrs::app {

class AppContext;

// The Calculate Ratings window dbCalc: the period, Calculate with its
// progress and report, and the window's own ranking list.
class CalcWindow : public QWidget {
  Q_OBJECT
 public:
  explicit CalcWindow(AppContext& ctx, QWidget* parent = nullptr);

  void Calculate();     // Command1
  void RankingList();   // Command3
  void RatingHistory(); // Command4
  void Exit();          // Command2

 protected:
  QSize sizeHint() const override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  // Focus to the start month and the hint shown, each time the window becomes the active one.
  void Activated();

 private:
  void FullYear();
  // Copies the form into the widgets, without their change events.
  void Show();
  void SetWidthTwips(int twips);
  void SetFrameColour(const QColor& colour);

  AppContext& ctx_;
  CalcForm form_;
  bool showing_ = false;
  QLineEdit* text1_;
  QLineEdit* text2_;
  QLineEdit* text3_;
  QCheckBox* check1_;
  QPushButton* calculate_;
  QPushButton* ranking_;
  QPushButton* history_;
  QPushButton* exit_;
  QListWidget* list1_;
  QLabel* label7_;
  QFrame* frame1_;
  QLabel* label6_;
  QLabel* label5_;
  QWidget* listSide_;
};

}  // namespace hrs::app
