#pragma once
#include <QString>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/print_job.h"
#include "core/platform/random.h"
#include "core/shell/window_arrangement.h"

class QMdiSubWindow;
class QWidget;

namespace hrs::app {

class MDIForm1;
class PicturePrinter;

// Where a child window opens when the arrangement is by default (or has
// no place for it yet).
struct ChildPlace {
  enum class Kind { Centred, CentredAtTop, At };
  Kind kind = Kind::Centred;
  int leftTwips = 0;
  int topTwips = 0;

  static ChildPlace Centred() { return {}; }
  static ChildPlace CentredAtTop(int topTwips) { return {Kind::CentredAtTop, 0, topTwips}; }
  static ChildPlace At(int leftTwips, int topTwips) { return {Kind::At, leftTwips, topTwips}; }
};

// What every window of the system is given: the data held for the whole
// run, the seams to the outside world, and the main window's services.
class AppContext {
 public:
  AppContext(MDIForm1& main, Database& db, Dialogs& dialogs, Clock& clock, PrintJob& printer,
             WindowArrangement& arrangement, Random& random)
      : db(db), dialogs(dialogs), clock(clock), printer(printer), arrangement(arrangement), random(random),
        mainWindow(main) {}

  Database& db;
  Dialogs& dialogs;
  Clock& clock;
  PrintJob& printer;
  WindowArrangement& arrangement;
  Random& random;  // the small tournament's draws
  PicturePrinter* pictures = nullptr;  // the printer again, where it can print pictures
  MDIForm1& mainWindow;

  // Opens a registered form (see form_registry.h), or brings the open one
  // to the front. Nothing when the form is not part of the program.
  QWidget* ShowForm(const QString& formName);

  // Puts a window into the MDI area as a child window: placed by the
  // arrangement, or else by `place`; its place is remembered when it
  // closes, and it is deleted then. The window's objectName is its name
  // in the arrangement.
  QMdiSubWindow* OpenChild(QWidget* window, ChildPlace place = ChildPlace::Centred());

  // The open child window of that name, or nullptr.
  QWidget* FindChildWindow(const QString& name) const;

  // Shows the status window again with a fresh summary (when a working
  // window closes); HideStatus puts it aside while one is open.
  void RefreshStatus();
  void HideStatus();
};

}  // namespace hrs::app
