#pragma once
#include <QWidget>

namespace hrs::app {

class PictureBox;

// The window shown while the database loads (dbhoved).
class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  explicit SplashWindow(QWidget* parent = nullptr);
  // Prints a line and lets the screen repaint before the loading goes on.
  void PrintNow(const QString& line);
  PictureBox* pictureArea() const { return pic1_; }

 private:
  PictureBox* pic1_;
};

}  // namespace hrs::app
