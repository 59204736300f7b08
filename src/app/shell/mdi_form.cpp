#include "app/shell/mdi_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLockFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>

#include "app/platform/qt_text.h"
#include "app/shell/access_keys.h"
#include "app/shell/app_icon.h"
#include "app/shell/busy_cursor.h"
#include "app/shell/clipboard_copy.h"
#include "app/shell/form_registry.h"
#include "app/shell/main_menu.h"
#include "app/shell/splash_window.h"
#include "app/shell/status_window.h"
#include "core/shell/menu_guards.h"
#include "core/shell/shutdown.h"
#include "core/shell/startup.h"
#include "core/shell/status_summary.h"

namespace hrs::app {

MDIForm1::MDIForm1(Dialogs& dialogs, Clock& clock, PrintJob& printer, QWidget* parent, Random* random)
    : QMainWindow(parent),
      dialogs_(dialogs),
      clock_(clock),
      printer_(printer),
      clockRandom_(clock),
      context_(*this, db_, dialogs, clock, printer, arrangement_, random ? *random : clockRandom_),
      mdi_(new QMdiArea(this)) {
  setObjectName(QStringLiteral("MDIForm1"));
  setWindowIcon(AppIcon());
  setWindowTitle(QString::fromLatin1(ProductTitle));
  mdi_->setObjectName(QStringLiteral("MDIClient"));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  BuildMenus();
}

MDIForm1::~MDIForm1() = default;

// ---- start-up -------------------------------------------------------------

bool MDIForm1::Start(const StartupPaths& paths) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    resize(area.width() * 4 / 5, area.height() * 4 / 5);
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }

  db_.location = paths.location;

  lock_ = std::make_unique<QLockFile>(paths.lockFile);
  // Only a lock whose program has gone is stale, however old it is.
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0)) {
    const bool running = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    RefuseSecondInstance(running ? SecondInstance::Running : SecondInstance::LockNotWritable, FromQt(paths.lockFile),
                         dialogs_);
    Shutdown();
    return false;
  }

  // Nor may hrs-cli change these data while this program holds them in memory.
  if (!TakeDataForProgram(dataLock_, db_.location.DataDir(), dialogs_)) {
    Shutdown();
    return false;
  }

  arrangementFile_ = paths.arrangementFile;
  LoadArrangement(arrangementFile_, arrangement_);
  arrangementLoaded_ = true;
  SyncArrangementItem();

  StartupStep loaded;
  {
    SplashWindow splash;
    splash.show();
    splash.PrintNow(QStringLiteral("     Loading ......"));
    loaded = LoadDatabase(db_, dialogs_, clock_);
  }
  if (loaded != StartupStep::Done) {
    Shutdown();
    return false;
  }

  // Without a window manager "maximized" means nothing; fill the screen anyway.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
  showMaximized();
  setWindowTitle(ToQt(MainWindowTitle(clock_)));
  ShowStatusWindow();
  status_->ShowSummary(db_, db_.location.dataDir.string(), StatusDirectoryWidth(StatusMoment::StartUp));
  printer_.SetOrientation(Orientation::Portrait);
  return true;
}

// ---- menus ----------------------------------------------------------------

void MDIForm1::BuildMenus() {
  for (const MenuDef& menuDef : MainMenuTable()) {
    QMenu* menu = menuBar()->addMenu(QString::fromLatin1(menuDef.caption));
    menu->setObjectName(QString::fromLatin1(menuDef.name));
    for (const MenuItemDef& item : menuDef.items) {
      // A separator's caption "-" is the line itself.
      auto* action = new QAction(item.kind == ItemKind::Separator ? QString() : QString::fromLatin1(item.caption), menu);
      action->setObjectName(QString::fromLatin1(item.name));
      if (item.index >= 0) action->setProperty("index", item.index);
      menu->addAction(action);
      if (item.kind == ItemKind::Separator) {
        action->setSeparator(true);
        continue;
      }
      if (*item.key) action->setShortcut(QKeySequence(QString::fromLatin1(item.key)));
      switch (item.kind) {
        case ItemKind::Arrangement: action->setCheckable(true); break;
        default: break;
      }
      connect(action, &QAction::triggered, this, [this, &item] { Run(item); });
    }
  }
  SyncArrangementItem();
  new MenuAccessKeys(menuBar(), mdi_);
}

void MDIForm1::SyncArrangementItem() {
  if (QAction* item = MenuItem(QStringLiteral("mnu_wsd"))) {
    item->setChecked(arrangement_.byUser);
    item->setText(ToQt(arrangement_.caption));
  }
}

QAction* MDIForm1::MenuItem(const QString& name, int index) const {
  for (QAction* action : menuBar()->findChildren<QAction*>(name)) {
    const QVariant i = action->property("index");
    if (index < 0 ? !i.isValid() : (i.isValid() && i.toInt() == index)) return action;
  }
  return nullptr;
}

void MDIForm1::RunMenuItem(const QString& name, int index) {
  for (const MenuDef& menuDef : MainMenuTable())
    for (const MenuItemDef& item : menuDef.items)
      if (name == QLatin1String(item.name) && item.index == index) return Run(item);
}

void MDIForm1::Run(const MenuItemDef& item) {
  switch (item.kind) {
    case ItemKind::Separator: return;
    case ItemKind::Form: return OpenGuardedForm(item);
    case ItemKind::Print:
      if (!PassesGuard(item.command, db_, dialogs_)) return;
      [[fallthrough]];
    case ItemKind::Action:
      if (const MenuAction* action = FindMenuAction(item.name)) (*action)(context_, item.index);
      return;
    case ItemKind::Arrangement:
      ToggleArrangement(arrangement_, dialogs_);
      SyncArrangementItem();
      return;
    case ItemKind::Copy: return CopyToClipboard(*mdi_, dialogs_);
    case ItemKind::Exit:
      mdi_->closeAllSubWindows();
      close();
      return;
  }
}

void MDIForm1::OpenGuardedForm(const MenuItemDef& item) {
  if (!PassesGuard(item.command, db_, dialogs_)) return;
  if (!FindFormFactory(item.target)) return;
  const CommandGuard& guard = GuardOf(item.command);
  std::unique_ptr<BusyCursor> busy;
  if (guard.busyCursor) busy = std::make_unique<BusyCursor>(this);
  if (guard.hidesStatus) HideStatus();
  if (guard.busyCursor) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  ShowForm(QString::fromLatin1(item.target));
}

// ---- child windows --------------------------------------------------------

QWidget* MDIForm1::FindChildWindow(const QString& name) const {
  for (QMdiSubWindow* sub : mdi_->subWindowList())
    if (sub->widget() && sub->widget()->objectName() == name) return sub->widget();
  return nullptr;
}

QWidget* MDIForm1::ShowForm(const QString& formName) {
  if (QWidget* open = FindChildWindow(formName)) {
    auto* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget());
    if (sub) {
      sub->show();
      mdi_->setActiveSubWindow(sub);
    }
    return open;
  }
  const FormFactory* factory = FindFormFactory(FromQt(formName));
  if (!factory) return nullptr;
  QWidget* window = (*factory)(context_);
  if (!window) return nullptr;
  if (window->objectName().isEmpty()) window->setObjectName(formName);
  OpenChild(window, ChildPlace::Centred());
  return window;
}

QMdiSubWindow* MDIForm1::OpenChild(QWidget* window, ChildPlace place) {
  QMdiSubWindow* sub = mdi_->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowIcon(AppIcon());
  sub->adjustSize();
  const QSize area = mdi_->viewport()->size();
  QPoint at;
  switch (place.kind) {
    case ChildPlace::Kind::Centred:
      at = {(area.width() - sub->width()) / 2, (area.height() - sub->height()) / 2};
      break;
    case ChildPlace::Kind::CentredAtTop:
      at = {(area.width() - sub->width()) / 2, TwipsToPixels(place.topTwips)};
      break;
    case ChildPlace::Kind::At: at = {TwipsToPixels(place.leftTwips), TwipsToPixels(place.topTwips)}; break;
  }
  at = {std::max(at.x(), 0), std::max(at.y(), 0)};
  // The remembered place wins under "by user" (it is taken when the window
  // first becomes active, so that moving it afterwards sticks).
  if (auto remembered = arrangement_.PlaceFor(FromQt(window->objectName()))) {
    if (remembered->left) at.setX(TwipsToPixels(*remembered->left));
    if (remembered->top) at.setY(TwipsToPixels(*remembered->top));
  }
  sub->move(at);
  sub->installEventFilter(this);
  sub->show();
  mdi_->setActiveSubWindow(sub);
  return sub;
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(watched); sub && sub->widget()) {
      const bool normal = !sub->isMinimized() && !sub->isMaximized();
      arrangement_.Remember(FromQt(sub->widget()->objectName()), PixelsToTwips(sub->x()),
                            PixelsToTwips(sub->y()), normal);
      // However a working window is closed (its own button or the title
      // bar), the home screen comes back with fresh figures.
      if (!shutDown_ && RefreshesStatusOnClose(FromQt(sub->widget()->objectName())))
        QMetaObject::invokeMethod(this, [this] { if (!shutDown_) RefreshStatus(); }, Qt::QueuedConnection);
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- status window --------------------------------------------------------

void MDIForm1::ShowStatusWindow() {
  if (!status_) {
    status_ = new StatusWindow;
    statusSub_ = OpenChild(status_, ChildPlace::At(StatusDefaultLeft, StatusDefaultTop));
    // The home screen stays: closing it only puts it aside.
    statusSub_->setAttribute(Qt::WA_DeleteOnClose, false);
    statusSub_->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    statusSub_->setWindowIcon(AppIcon());
  }
  statusSub_->show();
  mdi_->setActiveSubWindow(statusSub_);
}

void MDIForm1::RefreshStatus() {
  if (!status_) return;
  ShowStatusWindow();
  status_->ShowSummary(db_, db_.location.dataDir.string(), StatusDirectoryWidth(StatusMoment::Refresh));
}

void MDIForm1::HideStatus() {
  if (statusSub_) statusSub_->hide();
}

// ---- closing --------------------------------------------------------------

void MDIForm1::closeEvent(QCloseEvent* event) {
  Shutdown();
  event->accept();
}

void MDIForm1::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  BusyCursor busy(this);
  SaveStatisticsOnClose(db_, dialogs_);
  mdi_->closeAllSubWindows();
  // A copy that never read the arrangement must not overwrite it.
  if (arrangementLoaded_) SaveArrangementOnClose(arrangementFile_, arrangement_, dialogs_);
  if (lock_) lock_->unlock();
  dataLock_.Release();
  hide();
}

}  // namespace hrs::app
