#pragma once
#include <QPrinter>
#include <memory>
#include <string>

#include "app/platform/qt_print_job.h"
#include "app/shell/mdi_form.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs::test {

// A widget of the window by its system name (objectName); nullptr when the
// window or the widget is not there.
template <typename T>
T* Child(QWidget* w, const char* name) {
  return w ? w->findChild<T*>(name) : nullptr;
}

// A main window started on a folder of its own, with scripted dialogs, a
// fixed clock (8 December 2026) and its own lock and arrangement files.
class ShellFixture {
 public:
  ShellFixture();
  ~ShellFixture();

  // A club of `players` active players named Player1.. with rating year `year`.
  void WriteClub(int players, int year = 2026);
  // A fresh main window (the previous one, if any, is closed first).
  app::MDIForm1& NewWindow();
  bool Start();
  // Started, shown and active, as keyboard shortcuts need it.
  bool StartShown();
  app::StartupPaths Paths() const;
  std::filesystem::path ArrangementPath() const { return programDir.path() / "hrs_k"; }

  TempDir data;
  TempDir programDir;
  ScriptedDialogs dialogs;
  FixedClock clock;
  QPrinter printer;
  app::QtPrintJob printJob{printer};
  std::unique_ptr<app::MDIForm1> window;
};

}  // namespace hrs::test
