#pragma once
#include <QList>
#include <QObject>
#include <QString>

class QMdiArea;
class QMdiSubWindow;
class QMenuBar;
class QWidget;

namespace hrs::app {

// The letters a window's controls answer with Alt: the marked letters of its
// buttons, option buttons, check boxes, frames, labels with a buddy and its
// own menu titles, upper case, one entry a control (a letter twice is a clash).
// visibleOnly: only the controls the window shows now.
QList<QChar> AccessKeysOf(const QWidget* window, bool visibleOnly = false);

// The letters more than one control that the window shows claims.
QList<QChar> AccessKeyClashes(const QWidget* window);

// The menu bar gives way to the active window: a menu title whose letter a
// control of that window uses loses its mark while the window is active, so
// that Alt and the letter reach the control; the mark comes back when
// another window becomes active.
class MenuAccessKeys : public QObject {
 public:
  MenuAccessKeys(QMenuBar* bar, QMdiArea* area);
  // Again for the active window (after its controls changed their captions).
  void Update();

 private:
  void Apply(QMdiSubWindow* active);

  QMenuBar* bar_;
  QMdiArea* area_;
};

}  // namespace hrs::app
