#include "app/tournament/local2_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/platform/fixed_font.h"
#include "app/platform/qt_text.h"
#include "app/shell/activation.h"
#include "app/shell/app_context.h"
#include "app/shell/busy_cursor.h"
#include "app/platform/form_binding.h"
#include "app/shell/showing_dialogs.h"
#include "core/shell/window_arrangement.h"

namespace hrs::app {

Local2Window::Local2Window(AppContext& ctx, std::shared_ptr<SmallTournament> tournament, std::function<void()> closed,
                           QWidget* parent)
    : QWidget(parent), ctx_(ctx), tournament_(std::move(tournament)), closed_(std::move(closed)) {
  setObjectName("dbLocal2");
  setWindowTitle(ToQt("Small Tournament " + tournament_->base));

  auto* menuBar = new QMenuBar(this);
  auto add = [this](QMenu* menu, const char* name, const char* caption, std::function<void()> slot) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, slot] {
      slot();
      AfterEvent();
    });
  };
  QMenu* file = menuBar->addMenu("&File");
  add(file, "lt2mnu_ex", "E&xit", [this] { lt2mnu_exClick(form_, *tournament_); });
  QMenu* edit = menuBar->addMenu("&Edit");
  add(edit, "lt2mnu_rr", "Results, &Round-Robin", [this] {
    BusyCursor busy(this);
    lt2mnu_rrClick(form_, *tournament_, ctx_.db, ctx_.dialogs);
  });
  add(edit, "lt2mnu_rp", "Results, &Playoff", [this] { lt2mnu_rpClick(form_, *tournament_, ctx_.db, ctx_.dialogs); });
  QMenu* display = menuBar->addMenu("&Display");
  add(display, "lt2mnu_grp", "&Groups", [this] { lt2mnu_grpClick(form_, *tournament_, ctx_.db); });
  add(display, "lt2mnu_stand", "&Standings", [this] {
    BusyCursor busy(this);
    lt2mnu_standClick(form_, *tournament_, ctx_.db, ctx_.dialogs);
  });
  add(display, "lt2mnu_po", "&Playoff Qualification", [this] {
    BusyCursor busy(this);
    lt2mnu_poClick(form_, *tournament_, ctx_.db, ctx_.dialogs);
  });
  QMenu* perform = menuBar->addMenu("&Perform");
  add(perform, "lt2mnu_pair", "&Playoff Pairing", [this] { lt2mnu_pairClick(form_, *tournament_, ctx_.db, ctx_.dialogs); });
  // The membership check's list is on the screen before its message.
  add(perform, "lt2mnu_sf", "Save File for Sanctioned &Reporting", [this] {
    BusyCursor busy(this);
    ShowingDialogs dialogs(ctx_.dialogs, [this] { Show(); });
    lt2mnu_sfClick(form_, *tournament_, ctx_.db, dialogs);
  });
  add(perform, "lt2mnu_ro", "Save File for &Ranking System", [this] {
    BusyCursor busy(this);
    lt2mnu_roClick(form_, *tournament_, ctx_.db, ctx_.dialogs, ctx_.clock);
  });
  QMenu* print = menuBar->addMenu("P&rint");
  add(print, "lt2mnu_pg", "&Groups", [this] {
    BusyCursor busy(this);
    lt2mnu_pgClick(form_, *tournament_, ctx_.db, ctx_.dialogs, ctx_.printer, ctx_.clock);
  });
  add(print, "lt2mnu_pmp", "&Match Program", [this] {
    BusyCursor busy(this);
    lt2mnu_pmpClick(form_, *tournament_, ctx_.db, ctx_.dialogs, ctx_.printer, ctx_.clock);
  });
  add(print, "lt2mnu_ppq", "&Standings", [this] {
    BusyCursor busy(this);
    lt2mnu_ppqClick(form_, *tournament_, ctx_.db, ctx_.dialogs, ctx_.printer, ctx_.clock);
  });
  add(print, "lt2mnu_pop", "&Playoff Pairing", [this] {
    BusyCursor busy(this);
    lt2mnu_popClick(form_, *tournament_, ctx_.db, ctx_.dialogs, ctx_.printer, ctx_.clock);
  });
  add(print, "lt2mnu_sr", "Sanctioned &Reports", [this] {
    BusyCursor busy(this);
    ShowingDialogs dialogs(ctx_.dialogs, [this] { Show(); });
    lt2mnu_srClick(form_, *tournament_, ctx_.db, dialogs, ctx_.printer, ctx_.clock);
  });

  const QFont fixed = ListFont();
  auto field = [this](const char* name) {
    auto* t = new QLineEdit(this);
    t->setObjectName(QString::fromLatin1(name));
    t->setMaximumWidth(50);
    connect(t, &QLineEdit::returnPressed, this, [this] {
      Command1Click(form_, *tournament_, ctx_.db, ctx_.dialogs);
      AfterEvent();
    });
    connect(t, &QLineEdit::textEdited, this, [this, t](const QString& text) {
      if (showing_) return;
      if (t == text1_) form_.Text1.text = FromQt(text);
      if (t == text3_) form_.Text3.text = FromQt(text);
      if (t == text2_) {
        form_.Text2.text = FromQt(text);
        Text2Change(form_);
        AfterEvent();
      }
    });
    return t;
  };
  text1_ = field("Text1");
  text2_ = field("Text2");
  text3_ = field("Text3");
  label3_ = new QLabel(this);
  label3_->setObjectName("Label3");
  label4_ = new QLabel(this);
  label4_->setObjectName("Label4");
  command1_ = new QPushButton(this);
  command1_->setObjectName("Command1");
  connect(command1_, &QPushButton::clicked, this, [this] {
    Command1Click(form_, *tournament_, ctx_.db, ctx_.dialogs);
    AfterEvent();
  });
  command2_ = new QPushButton(this);
  command2_->setObjectName("Command2");
  connect(command2_, &QPushButton::clicked, this, [this] {
    Command2Click(form_);
    AfterEvent();
  });
  command3_ = new QPushButton(this);
  command3_->setObjectName("Command3");
  connect(command3_, &QPushButton::clicked, this, [this] {
    Command3Click(form_, *tournament_, ctx_.db, ctx_.dialogs, ctx_.random);
    AfterEvent();
  });
  check1_ = new QCheckBox(this);
  check1_->setObjectName("Check1");
  connect(check1_, &QCheckBox::toggled, this, [this](bool on) {
    if (!showing_) form_.Check1.value = on;
  });
  check2_ = new QCheckBox(this);
  check2_->setObjectName("Check2");
  connect(check2_, &QCheckBox::toggled, this, [this](bool on) {
    if (showing_) return;
    form_.Check2.value = on;
    BusyCursor busy(this);
    Check2Click(form_, *tournament_, ctx_.db, ctx_.dialogs);
    AfterEvent();
  });

  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label1_->setWordWrap(true);
  label1_->setTextFormat(Qt::PlainText);
  label1_->setMinimumHeight(label1_->fontMetrics().lineSpacing() * 3);
  label2_ = new QLabel(this);
  label2_->setObjectName("Label2");
  label2_->setTextFormat(Qt::PlainText);
  list1_ = new QListWidget(this);
  list1_->setObjectName("List1");
  list1_->setFont(fixed);
  list1_->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(64, 'W')) + 24);
  list1_->setMinimumHeight(QFontMetrics(fixed).lineSpacing() * 20);
  connect(list1_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    List1DblClick(form_, list1_->row(item));
    AfterEvent();
  });

  auto* entry = new QGridLayout;
  entry->addWidget(label3_, 0, 0);
  entry->addWidget(label4_, 0, 1, 1, 2);
  entry->addWidget(text1_, 1, 0);
  entry->addWidget(text2_, 1, 1);
  entry->addWidget(text3_, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addLayout(entry);
  buttons->addWidget(command1_, 0, Qt::AlignBottom);
  buttons->addWidget(command3_, 0, Qt::AlignBottom);
  buttons->addWidget(check1_, 0, Qt::AlignBottom);
  buttons->addWidget(check2_, 0, Qt::AlignBottom);
  buttons->addStretch(1);
  buttons->addWidget(command2_, 0, Qt::AlignBottom);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addWidget(label1_);
  layout->addLayout(buttons);
  layout->addWidget(label2_);
  layout->addWidget(list1_, 1);

  {
    BusyCursor busy(this);
    Local2FormLoad(form_, *tournament_, ctx_.db, ctx_.dialogs);
  }
  Show();
  CallOnActivation(this, [this] {
    Local2FormActivate(form_);
    Show();
  });
}

QSize Local2Window::sizeHint() const { return QWidget::sizeHint().expandedTo(QSize(TwipsToPixels(9000), TwipsToPixels(7500))); }

QAction* Local2Window::MenuItem(const QString& name) const { return findChild<QAction*>(name); }

void Local2Window::Show() {
  showing_ = true;
  ShowText(text1_, form_.Text1);
  ShowText(text2_, form_.Text2);
  ShowText(text3_, form_.Text3);
  ShowLabel(label3_, form_.Label3);
  ShowLabel(label4_, form_.Label4);
  ShowButton(command1_, form_.Command1);
  ShowButton(command2_, form_.Command2);
  ShowButton(command3_, form_.Command3);
  ShowButton(check1_, form_.Check1);
  ShowButton(check2_, form_.Check2);
  ShowList(list1_, form_.List1);
  if (form_.list1Filled != list1Shown_) {
    list1Shown_ = form_.list1Filled;
    if (form_.List1.listIndex < 0) list1_->scrollToTop();
  }
  ShowLabel(label1_, form_.Label1);
  ShowLabel(label2_, form_.Label2);
  label2_->setFont(FixedFont(form_.captionFont));
  if (!form_.focus.empty()) {
    if (auto* w = findChild<QWidget*>(ToQt(form_.focus)); w && w->isVisibleTo(this)) w->setFocus(Qt::OtherFocusReason);
    form_.focus.clear();
  }
  showing_ = false;
}

void Local2Window::AfterEvent() {
  Show();
  if (form_.close) CloseChildWindow(this);
}

void Local2Window::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closed_) {
    auto closed = std::move(closed_);
    closed_ = nullptr;
    closed();
  }
}

}  // namespace hrs::app
