#include "app/players/player_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/platform/fixed_font.h"
#include "app/platform/form_binding.h"
#include "app/platform/qt_text.h"
#include "app/shell/activation.h"
#include "app/shell/app_context.h"
#include "app/shell/busy_cursor.h"
#include "core/shell/window_arrangement.h"

namespace hrs::app {

PlayerWindow::PlayerWindow(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
  BusyCursor busy;
  setObjectName("dbPlayer");
  setWindowTitle("Player Database Management");

  auto edit = [this](const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->installEventFilter(this);
    connect(e, &QLineEdit::textEdited, this, [this, e] { Edited(e); });
    return e;
  };
  text1_ = edit("text1");
  text2_ = edit("text2");
  text3_ = edit("text3");
  text4_ = edit("text4");
  text5_ = edit("Text5");
  text1_->setMaximumWidth(80);
  text4_->setMaximumWidth(120);
  text5_->setMaximumWidth(80);

  check1_ = new QCheckBox(ToQt(form_.Check1.caption), this);
  check1_->setObjectName("Check1");
  check2_ = new QCheckBox(ToQt(form_.Check2.caption), this);
  check2_->setObjectName("Check2");
  connect(check1_, &QCheckBox::clicked, this, [this](bool on) {
    form_.Check1.value = on;
    Check1Click(form_);
    Show();
  });
  connect(check2_, &QCheckBox::clicked, this, [this](bool on) {
    form_.Check2.value = on;
    Check2Click(form_);
    Show();
  });

  auto option = [this](const char* name, const Button& b, PlayerMode mode) {
    auto* o = new QRadioButton(ToQt(b.caption), this);
    o->setObjectName(name);
    connect(o, &QRadioButton::clicked, this, [this, mode] { OptionClicked(mode); });
    return o;
  };
  option1_ = option("Option1", form_.Option1, PlayerMode::NewPlayer);
  option2_ = option("Option2", form_.Option2, PlayerMode::Change);
  option3_ = option("Option3", form_.Option3, PlayerMode::Delete);
  option4_ = option("Option4", form_.Option4, PlayerMode::AlphaSearch);

  auto button = [this](const char* name, const Button& b) {
    auto* p = new QPushButton(ToQt(b.caption), this);
    p->setObjectName(name);
    return p;
  };
  command1_ = button("Command1", form_.Command1);
  command1_->setDefault(true);
  command2_ = button("Command2", form_.Command2);
  command3_ = button("Command3", form_.Command3);
  connect(command1_, &QPushButton::clicked, this, [this] {
    BusyCursor busy(this);
    Command1Click(form_, ctx_.db, ctx_.dialogs);
    Show();
  });
  connect(command2_, &QPushButton::clicked, this, &PlayerWindow::CloseForm);
  connect(command3_, &QPushButton::clicked, this, [this] {
    BusyCursor busy(this);
    Command3Click(form_, ctx_.db);
    Show();
  });

  auto label = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    return l;
  };
  label5_ = label("Label5");
  label5_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label6_ = label("Label6");
  label9_ = label("Label9");
  label9_->setWordWrap(true);
  label10_ = label("Label10");
  label11_ = label("Label11");
  pic1_ = label("Pic1");
  pic1_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
  pic1_->setToolTip(ToQt(PlayerForm::Pic1ToolTip));

  const QFont fixed = ListFont();
  label10_->setFont(fixed);
  list1_ = new QListWidget(this);
  list1_->setObjectName("List1");
  list1_->setFont(fixed);
  list1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list1_->setUniformItemSizes(true);
  connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
    if (showing_) return;
    std::vector<int> rows;
    for (const QModelIndex& i : list1_->selectionModel()->selectedRows()) rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    List1Click(form_, rows);
  });
  connect(list1_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    BusyCursor busy(this);
    List1DblClick(form_, ctx_.db, list1_->row(item));
    Show();
  });

  auto caption = [this](const Label& l, QWidget* buddy) {
    auto* c = new QLabel(ToQt(l.caption), this);
    c->setBuddy(buddy);
    return c;
  };
  auto* fields = new QGridLayout;
  fields->addWidget(caption(form_.Label1, text1_), 0, 0);
  fields->addWidget(text1_, 0, 1);
  fields->addWidget(pic1_, 0, 2);
  fields->addWidget(caption(form_.Label2, text2_), 1, 0);
  fields->addWidget(text2_, 1, 1, 1, 2);
  fields->addWidget(caption(form_.Label3, text3_), 2, 0);
  fields->addWidget(text3_, 2, 1);
  fields->addWidget(check1_, 2, 2);
  fields->addWidget(caption(form_.Label4, text4_), 3, 0);
  fields->addWidget(text4_, 3, 1);
  fields->addWidget(check2_, 3, 2);
  fields->addWidget(label6_, 4, 1);
  fields->addWidget(caption(form_.Label7, text5_), 5, 0);
  fields->addWidget(text5_, 5, 1);

  auto* modes = new QVBoxLayout;
  for (auto* o : {option1_, option2_, option3_, option4_}) modes->addWidget(o);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(command1_);
  buttons->addWidget(command2_);

  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addLayout(modes);
  left->addLayout(buttons);
  left->addWidget(label9_);
  left->addWidget(label5_, 1);

  auto* right = new QVBoxLayout;
  right->addWidget(command3_, 0, Qt::AlignLeft);
  right->addWidget(label10_);
  right->addWidget(list1_, 1);
  right->addWidget(label11_);

  // The mode's help text changes; the fields beside it stay where they are.
  auto* leftSide = new QWidget(this);
  leftSide->setLayout(left);
  left->setContentsMargins(0, 0, 0, 0);
  label5_->setText(MessageText(NewPlayerHelp));
  int helpWidth = 0;
  for (const char* help : {NewPlayerHelp, ChangeHelp, DeleteHelp})
    for (const QString& line : MessageText(help).split('\n'))
      helpWidth = std::max(helpWidth, label5_->fontMetrics().horizontalAdvance(line));
  leftSide->setFixedWidth(std::max(leftSide->sizeHint().width(), helpWidth + 8));

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(leftSide, 0);
  layout->addLayout(right, 1);
  list1_->setMinimumWidth(list1_->fontMetrics().horizontalAdvance(QString(62, 'M')));

  // Tab goes through the fields in the order they are filled in.
  setTabOrder(text1_, text2_);
  setTabOrder(text2_, text3_);
  setTabOrder(text3_, check1_);
  setTabOrder(check1_, text4_);
  setTabOrder(text4_, check2_);
  setTabOrder(check2_, text5_);
  setTabOrder(text5_, command1_);

  PlayerFormLoad(form_, ctx_.db);
  Show();
  setMinimumSize(minimumSizeHint());
  resize(sizeHint());
  CallOnActivation(this, [this] {
    PlayerFormActivate(form_, ctx_.db);
    Show();
  });
  // However the window is closed, the player file is saved first.
  CallOnActivation(this, [this] {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->installEventFilter(this);
  });
}

QSize PlayerWindow::sizeHint() const {
  return QSize(TwipsToPixels(PlayerFormWidthTwips), TwipsToPixels(PlayerFormHeightTwips)).expandedTo(minimumSizeHint());
}

void PlayerWindow::Edited(QLineEdit* edit) {
  const std::string text = FromQt(edit->text());
  if (edit == text1_) {
    form_.text1.text = text;
    text1Change(form_);
  } else if (edit == text2_) {
    form_.text2.text = text;
    text2Change(form_);
  } else if (edit == text3_) {
    form_.text3.text = text;
  } else if (edit == text4_) {
    form_.text4.text = text;
  } else {
    form_.Text5.text = text;
  }
  Show();
}

void PlayerWindow::OptionClicked(PlayerMode mode) {
  if (form_.mode == mode) return;  // choosing the chosen mode again changes nothing
  BusyCursor busy(this);
  switch (mode) {
    case PlayerMode::NewPlayer: Option1Click(form_, ctx_.db); break;
    case PlayerMode::Change: Option2Click(form_, ctx_.db); break;
    case PlayerMode::Delete: Option3Click(form_, ctx_.db); break;
    case PlayerMode::AlphaSearch: Option4Click(form_, ctx_.db); break;
  }
  Show();
}

bool PlayerWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::FocusIn) {
    if (watched == text1_) text1GotFocus(form_);
    else if (watched == text2_) text2GotFocus(form_);
    else if (watched == text3_) text3GotFocus(form_);
    else if (watched == text4_) text4GotFocus(form_);
    else if (watched == text5_) Text5GotFocus(form_);
    if (!showing_ && !form_.focus.empty()) ShowFocus();
  } else if (e->type() == QEvent::Close && watched == parentWidget()) {
    Unload();
  }
  return QWidget::eventFilter(watched, e);
}

void PlayerWindow::keyPressEvent(QKeyEvent* e) {
  // Enter saves wherever it is pressed (the fields, the list and the option
  // buttons pass it on), as the default button does.
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    BusyCursor busy(this);
    Command1Click(form_, ctx_.db, ctx_.dialogs);
    Show();
    return;
  }
  QWidget::keyPressEvent(e);
}

void PlayerWindow::closeEvent(QCloseEvent* e) {
  Unload();
  QWidget::closeEvent(e);
}

void PlayerWindow::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  BusyCursor busy(this);
  // A failed save has been told to the operator; the window closes all the same.
  GoOnPast(PlayerFormUnload(form_, ctx_.db, ctx_.dialogs));
}

void PlayerWindow::CloseForm() { CloseChildWindow(this); }

void PlayerWindow::Show() {
  showing_ = true;
  ShowText(text1_, form_.text1);
  ShowText(text2_, form_.text2);
  ShowText(text3_, form_.text3);
  ShowText(text4_, form_.text4);
  ShowText(text5_, form_.Text5);
  ShowButton(check1_, form_.Check1);
  ShowButton(check2_, form_.Check2);
  ShowButton(option1_, form_.Option1);
  ShowButton(option2_, form_.Option2);
  ShowButton(option3_, form_.Option3);
  ShowButton(option4_, form_.Option4);
  ShowButton(command1_, form_.Command1);
  ShowButton(command2_, form_.Command2);
  ShowButton(command3_, form_.Command3);
  ShowLabel(label5_, form_.Label5);
  ShowLabel(label6_, form_.Label6);
  ShowLabel(label9_, form_.Label9);
  ShowLabel(label10_, form_.Label10);
  ShowLabel(label11_, form_.Label11);
  pic1_->setVisible(form_.Pic1.visible);
  ShowList();
  showing_ = false;
  ShowFocus();
}

void PlayerWindow::ShowList() {
  const ListBox& list = form_.List1;
  if (app::ShowList(list1_, list)) shownTop_ = -1;
  if (list.topIndex != shownTop_) {
    if (QListWidgetItem* top = list1_->item(list.topIndex)) list1_->scrollToItem(top, QAbstractItemView::PositionAtTop);
    if (QListWidgetItem* current = list1_->item(list.listIndex)) list1_->scrollToItem(current);
    shownTop_ = list.topIndex;
  }
}

void PlayerWindow::ShowFocus() {
  // A field that passes the focus on may be passed to another that does
  // too; the chain is short and ends.
  for (int step = 0; step < 4 && !form_.focus.empty(); ++step) {
    const QString name = ToQt(form_.focus);
    form_.focus.clear();
    if (auto* w = findChild<QWidget*>(name)) {
      showing_ = true;
      w->setFocus(Qt::OtherFocusReason);
      showing_ = false;
    }
  }
}

}  // namespace hrs::app
