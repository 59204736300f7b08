#pragma once
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace hrs::app {

class AppContext;
class PictureBox;

// The Rating Query window Query: two players by Sys Id and what each would
// gain or lose against the other today.
class QueryWindow : public QWidget {
  Q_OBJECT
 public:
  explicit QueryWindow(AppContext& ctx, QWidget* parent = nullptr);

  void Calculate();  // Command1

 protected:
  QSize sizeHint() const override;

 private:
  void SysIdChanged(QLineEdit* sysId, QLineEdit* name);

  AppContext& ctx_;
  QLabel* label1_;
  QLineEdit* text1_;
  QLineEdit* text2_;
  QLineEdit* text3_;
  QLineEdit* text4_;
  PictureBox* pic1_;
  QPushButton* calculate_;
  QPushButton* exit_;
};

}  // namespace hrs::app
