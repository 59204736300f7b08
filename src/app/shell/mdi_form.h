#pragma once
#include "core/data/data_lock.h"
#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <memory>

#include "app/shell/app_context.h"
#include "app/shell/status_window.h"
#include "core/data/database.h"
#include "core/shell/window_arrangement.h"

class QLockFile;
class QMdiArea;
class QMdiSubWindow;

namespace hrs::app {

struct MenuItemDef;

// Where start-up finds its files: the data location (the current directory
// of the run, or the companion's directory by the installation setting),
// the lock that keeps a second copy from starting, and the window
// arrangement file.
struct StartupPaths {
  DataLocation location;
  QString lockFile;
  std::filesystem::path arrangementFile;
};

// The main window: the MDI frame with the menu bar, in which every working
// window of the system opens.
class MDIForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // Without `random` the draws come from a generator seeded from the clock.
  MDIForm1(Dialogs& dialogs, Clock& clock, PrintJob& printer, QWidget* parent = nullptr, Random* random = nullptr);
  ~MDIForm1() override;

  // The start-up chain. False: the program ends (a second copy, a refused
  // creation or a failed load); the main window is closed then.
  bool Start(const StartupPaths& paths);

  AppContext& context() { return context_; }
  Database& database() { return db_; }
  const WindowArrangement& arrangement() const { return arrangement_; }
  QMdiArea* mdiArea() const { return mdi_; }
  StatusWindow* statusWindow() const { return status_; }

  // A menu item by objectName (and index, for the dbprt and rmdb arrays).
  QAction* MenuItem(const QString& name, int index = -1) const;
  // What choosing the item does; also runs the guards of a disabled item,
  // which is how tests reach them.
  void RunMenuItem(const QString& name, int index = -1);

  QWidget* ShowForm(const QString& formName);
  QMdiSubWindow* OpenChild(QWidget* window, ChildPlace place);
  QWidget* FindChildWindow(const QString& name) const;
  void RefreshStatus();
  void HideStatus();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void Run(const MenuItemDef& item);
  void OpenGuardedForm(const MenuItemDef& item);
  void ShowStatusWindow();
  void Shutdown();
  void SyncArrangementItem();

  Dialogs& dialogs_;
  Clock& clock_;
  PrintJob& printer_;
  Database db_;
  WindowArrangement arrangement_;
  ClockRandom clockRandom_;
  AppContext context_;
  QMdiArea* mdi_;
  QPointer<StatusWindow> status_;
  QPointer<QMdiSubWindow> statusSub_;
  std::unique_ptr<QLockFile> lock_;
  DataLock dataLock_;
  std::filesystem::path arrangementFile_;
  bool arrangementLoaded_ = false;
  bool shutDown_ = false;
};

}  // namespace hrs::app
