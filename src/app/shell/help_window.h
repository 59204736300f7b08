#pragma once
#include <QWidget>

class QListWidget;

namespace hrs::app {

class AppContext;

// The help window Help: the built-in manual as one list of lines.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // A ReadMe choice: fills the list the first time, then scrolls so that
  // the chapter's heading is the top line.
  void ShowChapter(int menuIndex);
  QListWidget* List() const { return list_; }
  // The opening size, 8500 x 5970 twips: the list is placed by hand, so
  // there is no layout to tell the sub window how large to open.
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QListWidget* list_;
};

// The ReadMe menu command: opens the help window (or brings it forward).
void ShowReadMe(AppContext& ctx, int menuIndex);

// The chapter bodies as built into the program, in chapter order.
std::vector<std::string> ManualBodies();

}  // namespace hrs::app
