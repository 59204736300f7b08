#include "app/tournament/local_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/platform/fixed_font.h"
#include "app/shell/activation.h"
#include "app/shell/app_context.h"
#include "app/shell/busy_cursor.h"
#include "app/platform/form_binding.h"
#include "app/tournament/local2_window.h"
#include "core/shell/window_arrangement.h"

namespace hrs::app {

namespace {

QListWidget* NewList(QWidget* parent, const QString& name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setFont(ListFont());
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

}  // namespace

LocalWindow::LocalWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), tournament_(std::make_shared<SmallTournament>()) {
  setObjectName("dbLocal");
  setWindowTitle("Small Tournament");

  auto* menuBar = new QMenuBar(this);
  auto add = [this](QMenu* menu, const char* name, const char* caption, auto slot) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, slot] {
      slot();
      AfterEvent();
    });
  };
  QMenu* file = menuBar->addMenu("&File");
  add(file, "ltmnu_load", "&Load Tournament", [this] { ltmnu_loadClick(form_, ctx_.db); });
  add(file, "ltmnu_del", "&Delete Tournament", [this] { ltmnu_delClick(form_, ctx_.db); });
  file->addSeparator();
  add(file, "ltmnu_ex", "E&xit Small Tournament", [this] { ltmnu_exClick(form_); });
  QMenu* perform = menuBar->addMenu("&Perform");
  add(perform, "ltmnu_call", "&New Selection",
      [this] { ltmnu_callClick(form_, *tournament_, ctx_.db, ctx_.dialogs); });
  add(perform, "ltmnu_grup", "Make &Groups", [this] {
    BusyCursor busy(this);
    ltmnu_grupClick(form_, *tournament_, ctx_.db, ctx_.dialogs, ctx_.random, [this] { Show(); });
  });
  add(perform, "ltmnu_match", "Match &Program",
      [this] { ltmnu_matchClick(form_, *tournament_, ctx_.db, ctx_.dialogs, ctx_.clock); });
  QAction* readMe = menuBar->addAction("Read&Me");
  readMe->setObjectName("ltmnu_rm");
  connect(readMe, &QAction::triggered, this, [this] { ltmnu_rmClick(ctx_.dialogs); });

  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label1_->setWordWrap(true);
  label1_->setTextFormat(Qt::PlainText);
  // Of one height whatever it says, so that the lists below stay put.
  label1_->setFixedHeight(label1_->fontMetrics().lineSpacing() * 4);

  selectionList_ = NewList(this, "SelectionList");
  selectedList_ = NewList(this, "SelectedList");
  const int listWidth = QFontMetrics(selectionList_->font()).horizontalAdvance(QString(40, 'W')) + 24;
  selectionList_->setMinimumWidth(listWidth - QFontMetrics(selectionList_->font()).horizontalAdvance("WWWWWWW"));
  selectedList_->setMinimumWidth(listWidth);
  connect(selectionList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (showing_) return;
    SelectionListClick(form_, selectionList_->row(item), ctx_.dialogs);
    AfterEvent();
  });
  connect(selectedList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (showing_) return;
    // A click removes the line under the pointer; the second half of a
    // double click must not remove the line that moved up into its place.
    if (lastRemoval_.isValid() && lastRemoval_.elapsed() < QApplication::doubleClickInterval()) return;
    lastRemoval_.start();
    SelectedListClick(form_, selectedList_->row(item));
    AfterEvent();
  });
  text1_ = new QLineEdit(this);
  text1_->setObjectName("Text1");
  text1_->setReadOnly(true);
  text1_->setFocusPolicy(Qt::NoFocus);
  text1_->setMaximumWidth(50);
  check1_ = new QCheckBox(this);
  check1_->setObjectName("Check1");
  connect(check1_, &QCheckBox::toggled, this, [this](bool on) {
    if (!showing_) form_.Check1.value = on;
  });

  fileCaption_ = new QLabel(this);
  fileCaption_->setObjectName("FileCaption");
  fileList_ = NewList(this, "FileList");
  // The tournaments list has its room whether it is shown or not, so that
  // the player lists never move under the pointer when it appears.
  fileList_->setFixedWidth(QFontMetrics(fileList_->font()).horizontalAdvance("LT000000") + 40);
  fileCaption_->setFixedWidth(fileList_->width());
  fileCaption_->setWordWrap(true);
  for (QWidget* w : std::initializer_list<QWidget*>{fileList_, fileCaption_, check1_, text1_}) {
    QSizePolicy keep = w->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    w->setSizePolicy(keep);
  }
  connect(fileList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (showing_) return;
    FileListClick(form_, fileList_->row(item), *tournament_, ctx_.db, ctx_.dialogs);
    AfterEvent();
  });

  auto* players = new QGridLayout;
  players->addWidget(new QLabel("Players", this), 0, 0);
  auto* selectedHead = new QHBoxLayout;
  selectedHead->addWidget(new QLabel("Selected", this));
  selectedHead->addStretch(1);
  selectedHead->addWidget(text1_);
  players->addLayout(selectedHead, 0, 1);
  auto* files = new QVBoxLayout;
  files->addWidget(fileCaption_);
  files->addWidget(fileList_, 1);
  players->addLayout(files, 0, 2, 2, 1);
  players->addWidget(selectionList_, 1, 0);
  players->addWidget(selectedList_, 1, 1);

  auto* groupGrid = new QGridLayout;
  const int groupWidth = QFontMetrics(selectionList_->font()).horizontalAdvance(QString(24, 'W'));
  for (int g = 1; g <= MaxGroups; ++g) {
    groups_[static_cast<size_t>(g)] = NewList(this, QStringLiteral("Group%1").arg(g));
    groups_[static_cast<size_t>(g)]->setMinimumWidth(groupWidth / 2);
    groups_[static_cast<size_t>(g)]->setFixedHeight(QFontMetrics(selectionList_->font()).lineSpacing() * 7 + 8);
    groups_[static_cast<size_t>(g)]->setFocusPolicy(Qt::NoFocus);
    QSizePolicy keep = groups_[static_cast<size_t>(g)]->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    groups_[static_cast<size_t>(g)]->setSizePolicy(keep);
    groupGrid->addWidget(groups_[static_cast<size_t>(g)], (g - 1) / 4, (g - 1) % 4);
  }

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addWidget(label1_);
  layout->addWidget(check1_);
  layout->addLayout(players, 1);
  layout->addLayout(groupGrid);

  {
    BusyCursor busy(this);
    LocalFormLoad(form_, *tournament_, ctx_.db, ctx_.dialogs);
  }
  Show();
  CallOnActivation(this, [this] { Activated(); });
}

QSize LocalWindow::sizeHint() const { return QWidget::sizeHint().expandedTo(QSize(TwipsToPixels(11000), TwipsToPixels(8000))); }

QAction* LocalWindow::MenuItem(const QString& name) const { return findChild<QAction*>(name); }

void LocalWindow::Show() {
  showing_ = true;
  ShowList(selectionList_, form_.SelectionList);
  ShowList(selectedList_, form_.SelectedList);
  ShowText(text1_, form_.Text1);
  for (int g = 1; g <= MaxGroups; ++g) ShowList(groups_[static_cast<size_t>(g)], form_.Group[static_cast<size_t>(g)]);
  ShowLabel(label1_, form_.Label1);
  ShowList(fileList_, form_.FileList);
  ShowLabel(fileCaption_, form_.FileCaption);
  ShowButton(check1_, form_.Check1);
  showing_ = false;
}

void LocalWindow::AfterEvent() {
  Show();
  if (form_.openLocal2) {
    form_.openLocal2 = false;
    OpenLocal2();
  } else if (form_.close) {
    CloseChildWindow(this);
  }
}

void LocalWindow::OpenLocal2() {
  // This window waits hidden until the operation window closes.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->hide();
  QPointer<LocalWindow> self(this);
  local2_ = new Local2Window(ctx_, tournament_, [self] {
    if (self) self->Local2Closed();
  });
  ctx_.OpenChild(local2_, ChildPlace::Centred());
}

void LocalWindow::Local2Closed() {
  local2_ = nullptr;
  if (closing_) return;
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    sub->show();
    if (sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
  }
}

void LocalWindow::Activated() {
  // Brought forward (from the main menu) while the operation window is open:
  // the tournament goes on there.
  if (!local2_) return;
  QPointer<Local2Window> local2 = local2_;
  QPointer<LocalWindow> self(this);
  QTimer::singleShot(0, this, [self, local2] {
    if (!self || !local2) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(self->parentWidget())) sub->hide();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(local2->parentWidget()); sub && sub->mdiArea())
      sub->mdiArea()->setActiveSubWindow(sub);
  });
}

void LocalWindow::closeEvent(QCloseEvent* event) {
  closing_ = true;
  if (local2_) CloseChildWindow(local2_);
  LocalFormUnload(*tournament_);
  event->accept();
}

QWidget* OpenLocalWindow(AppContext& ctx) {
  auto* window = new LocalWindow(ctx);
  if (!window->Refused()) return window;
  delete window;
  ctx.RefreshStatus();
  return nullptr;
}

}  // namespace hrs::app
