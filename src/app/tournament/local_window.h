#pragma once
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "core/tournament/local_form.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace hrs::app {

class AppContext;
class Local2Window;

// The small tournament's first window dbLocal: selection, groups, match
// program, loading and deleting tournaments. It waits hidden while
// dbLocal2 is open and comes back when that closes.
class LocalWindow : public QWidget {
  Q_OBJECT
 public:
  explicit LocalWindow(AppContext& ctx, QWidget* parent = nullptr);

  const LocalForm& form() const { return form_; }
  const SmallTournament& tournament() const { return *tournament_; }
  // Nothing to select: the window is not opened.
  bool Refused() const { return form_.close; }
  QAction* MenuItem(const QString& name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  QSize sizeHint() const override;

 private:
  void Show();
  void AfterEvent();
  void OpenLocal2();
  void Local2Closed();
  void Activated();

  AppContext& ctx_;
  LocalForm form_;
  std::shared_ptr<SmallTournament> tournament_;
  QPointer<Local2Window> local2_;
  bool showing_ = false;
  bool closing_ = false;
  QElapsedTimer lastRemoval_;

  QListWidget* selectionList_;
  QListWidget* selectedList_;
  QLineEdit* text1_;
  std::array<QListWidget*, MaxGroups + 1> groups_{};
  QLabel* label1_;
  QListWidget* fileList_;
  QLabel* fileCaption_;
  QCheckBox* check1_;
};

// The factory of dbLocal: nothing (after the message, with the status
// window back) when there is no player to select.
QWidget* OpenLocalWindow(AppContext& ctx);

}  // namespace hrs::app
