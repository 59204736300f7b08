#pragma once
#include <QWidget>
#include <string>

#include "core/data/database.h"

namespace hrs::app {

class PictureBox;

// The home screen: the current directory and the summary of the database.
class StatusWindow : public QWidget {
  Q_OBJECT
 public:
  explicit StatusWindow(QWidget* parent = nullptr);

  // Clears both areas and prints them again; the directory is cut to its
  // last directoryChars characters (45 at start-up, 42 on refresh).
  void ShowSummary(const Database& db, const std::string& directory, size_t directoryChars);

  PictureBox* directoryArea() const { return pic2_; }
  PictureBox* summaryArea() const { return pic1_; }

 private:
  PictureBox* pic2_;
  PictureBox* pic1_;
};

// The status window's place when the arrangement is by default (twips).
inline constexpr int StatusDefaultLeft = 100;
inline constexpr int StatusDefaultTop = 900;

}  // namespace hrs::app
