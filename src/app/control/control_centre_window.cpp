#include "app/control/control_centre_window.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <utility>

#include "app/control/list_show_window.h"
#include "app/platform/fixed_font.h"
#include "app/platform/form_binding.h"
#include "app/platform/qt_text.h"
#include "app/shell/app_context.h"
#include "app/shell/busy_cursor.h"
#include "core/shell/window_arrangement.h"

namespace hrs::app {

namespace {

constexpr int WidthTwips = 9800;
constexpr int HeightTwips = 7680;
constexpr int ListShowLeftTwips = 6035;
constexpr int ListShowTopTwips = 315;

}  // namespace

ControlCentreWindow::ControlCentreWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), db_(ctx.db), dialogs_(ctx.dialogs, [this] { ShowDuringEvent(); }), clock_(ctx.clock) {
  setObjectName("dbRating");
  setWindowTitle("Control Centre");
  // ---- the modes -----------------------------------------------------------
  auto* modes = new QGroupBox(this);
  modes->setObjectName("FrameModes");
  auto* modeLayout = new QVBoxLayout(modes);
  const std::function<void()> optionEvents[7] = {
      [this] { Option1Click(form_, db_, dialogs_, clock_); },
      [this] { Option2Click(form_, db_, dialogs_, clock_); },
      [this] { Option3Click(form_, db_, dialogs_, clock_); },
      [this] { Option4Click(form_, db_, dialogs_, clock_); },
      [this] { Option5Click(form_, db_, dialogs_, clock_); },
      [this] { Option6Click(form_, db_, dialogs_, clock_); },
      [this] { Option7Click(form_, db_, dialogs_, clock_); },
  };
  for (int i = 0; i < 7; ++i) {
    options_[i] = new QRadioButton(modes);
    options_[i]->setObjectName(QString("Option%1").arg(i + 1));
    modeLayout->addWidget(options_[i]);
    if (optionEvents[i])
      connect(options_[i], &QRadioButton::toggled, this, [this, event = optionEvents[i]](bool on) {
        if (on && !showing_) Run(event, true);
      });
  }

  // ---- buttons -------------------------------------------------------------
  for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9}) {
    command_[i] = new QPushButton(this);
    command_[i]->setObjectName(QString("Command%1").arg(i));
  }
  connect(command_[1], &QPushButton::clicked, this, [this] { Run([this] { Command1Click(form_, db_, dialogs_, clock_); }, true); });
  connect(command_[2], &QPushButton::clicked, this, [this] { Run([this] { Command2Click(form_); }); });
  connect(command_[3], &QPushButton::clicked, this, [this] { Run([this] { Command3Click(form_, db_, dialogs_, clock_); }, true); });
  connect(command_[4], &QPushButton::clicked, this, [this] { Run([this] { Command4Click(form_, db_, dialogs_, clock_); }, true); });
  connect(command_[9], &QPushButton::clicked, this, [this] { Run([this] { Command9Click(form_); }); });
  connect(command_[5], &QPushButton::clicked, this, [this] { Run([this] { Command5Click(form_, db_, dialogs_); }, true); });
  connect(command_[6], &QPushButton::clicked, this, [this] { Run([this] { Command6Click(form_, db_, dialogs_); }, true); });
  connect(command_[7], &QPushButton::clicked, this, [this] { Run([this] { Command7Click(form_, db_, dialogs_); }, true); });
  connect(command_[8], &QPushButton::clicked, this, [this] { Run([this] { Command8Click(form_, db_, dialogs_); }, true); });
  // Enter clicks the default button, wherever the focus is in the window.
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), this);
    enter->setContext(Qt::WidgetWithChildrenShortcut);
    connect(enter, &QShortcut::activated, this, [this] {
      if (form_.command1Default && form_.Command1.enabled) Run([this] { Command1Click(form_, db_, dialogs_, clock_); }, true);
      else if (form_.command3Default && form_.Command3.enabled) Run([this] { Command3Click(form_, db_, dialogs_, clock_); }, true);
      else if (list1_->hasFocus()) Run([this] { List1KeyEnter(form_, db_, dialogs_, clock_); }, true);
    });
  }

  // ---- fields --------------------------------------------------------------
  for (int i = 1; i <= 11; ++i) {
    label_[i] = new QLabel(this);
    label_[i]->setObjectName(QString("Label%1").arg(i));
  }
  label_[7]->setWordWrap(true);
  label_[7]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label_[8]->setFont(ListFont());
  for (int i = 1; i <= 7; ++i) {
    text_[i] = new QLineEdit(this);
    text_[i]->setObjectName(QString("Text%1").arg(i));
    text_[i]->installEventFilter(this);
    const std::string name = "Text" + std::to_string(i);
    connect(text_[i], &QLineEdit::textEdited, this, [this, name](const QString& text) {
      if (!showing_) Run([this, name, text] { TextChange(form_, db_, name, FromQt(text)); });
    });
  }
  const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
  for (int i = 1; i <= 5; ++i) text_[i]->setFixedWidth(digit * (i == 1 ? 6 : i <= 3 ? 4 : 9) + 12);
  text_[6]->setFixedWidth(digit * 2 + 12);
  text_[6]->setReadOnly(true);  // a draw is marked by giving the field the focus
  text_[6]->setAlignment(Qt::AlignCenter);

  pic1_ = new QLabel(this);
  pic1_->setObjectName("Pic1");
  pic1_->setPixmap(style()->standardIcon(QStyle::SP_DialogSaveButton).pixmap(32, 32));
  pic1_->setToolTip(ToQt(ControlCentreForm::Pic1ToolTip));
  pic1_->installEventFilter(this);

  check1_ = new QCheckBox(this);
  check1_->setObjectName("Check1");
  connect(check1_, &QCheckBox::clicked, this, [this](bool checked) {
    Run([this, checked] { Check1Click(form_, db_, dialogs_, checked); }, true);
  });
  frame1_ = new QGroupBox(this);
  frame1_->setObjectName("Frame1");
  auto* frameLayout = new QVBoxLayout(frame1_);
  frameLayout->setContentsMargins(4, 2, 4, 2);
  frameLayout->addWidget(text_[7]);

  // ---- lists ---------------------------------------------------------------
  auto makeList = [this](const char* name) {
    auto* list = new QListWidget(this);
    list->setObjectName(name);
    list->setUniformItemSizes(true);
    return list;
  };
  list1_ = makeList("List1");
  list1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list1_->setFont(ListFont());
  // Room for the widest player line.
  list1_->setMinimumWidth(QFontMetrics(ListFont()).horizontalAdvance(QString(48, QLatin1Char('0'))) +
                          list1_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
  list1_->viewport()->installEventFilter(this);
  connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
    if (showing_ || running_) return;
    std::vector<int> rows;
    for (const QModelIndex& i : list1_->selectionModel()->selectedRows()) rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    List1SelectionChanged(form_, std::move(rows), list1_->currentRow());
  });
  connect(list1_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const int row = list1_->row(item);
    Run([this, row] { List1DblClick(form_, db_, dialogs_, clock_, row); }, true);
  });
  connect(list1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = list1_->row(item);
    Run([this, row] { List1Click(form_, db_, row); });
  });
  list2_ = makeList("List2");
  list2_->setMaximumHeight(80);
  list2_->viewport()->installEventFilter(this);
  connect(list2_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = list2_->row(item);
    Run([this, row] { List2Click(form_, row); });
  });
  list3_ = makeList("List3");
  list3_->setMaximumHeight(120);
  connect(list3_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const int row = list3_->row(item);
    Run([this, row] { List3DblClick(form_, db_, dialogs_, clock_, row); }, true);
  });
  connect(list3_, &QListWidget::itemSelectionChanged, this, [this] {
    if (showing_ || running_) return;
    std::vector<int> rows;
    for (const QModelIndex& i : list3_->selectionModel()->selectedRows()) rows.push_back(i.row());
    List3SelectionChanged(form_, std::move(rows));
  });
  file1_ = makeList("File1");
  file2_ = makeList("File2");
  for (auto* hidden : {list3_, file1_, file2_}) hidden->hide();  // the file lists live in core

  // ---- layout --------------------------------------------------------------
  auto* left = new QVBoxLayout;
  left->addWidget(modes);
  for (int i : {1, 2, 3, 4, 9}) left->addWidget(command_[i]);
  left->addStretch(1);
  for (int i : {5, 6, 7, 8}) left->addWidget(command_[i]);

  auto* entry = new QGridLayout;
  for (int i = 1; i <= 3; ++i) {
    entry->addWidget(label_[i], i - 1, 0);
    entry->addWidget(text_[i], i - 1, 1);
  }
  entry->addWidget(label_[4], 3, 0);
  entry->addWidget(text_[4], 3, 1);
  entry->addWidget(label_[10], 3, 2);
  entry->addWidget(label_[5], 4, 0);
  entry->addWidget(text_[5], 4, 1);
  entry->addWidget(label_[11], 4, 2);
  entry->addWidget(label_[6], 5, 0);
  entry->addWidget(text_[6], 5, 1);
  auto* save = new QHBoxLayout;
  save->addWidget(pic1_);
  save->addWidget(label_[9]);
  save->addStretch(1);
  entry->addLayout(save, 6, 0, 1, 3);
  entry->setColumnStretch(2, 1);
  auto* middle = new QVBoxLayout;
  middle->addLayout(entry);
  middle->addWidget(check1_);
  middle->addWidget(frame1_);
  middle->addWidget(label_[7], 1);
  // Nothing moves from mode to mode: a hidden control keeps its room, the
  // captions and the help text have widths of their own, and a long name
  // is cut at the edge of its label rather than pushing the lists aside.
  for (int i = 1; i <= 6; ++i) label_[i]->setMinimumWidth(digit * 9);
  for (int i : {10, 11}) {
    label_[i]->setFixedWidth(digit * 16);
    label_[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  }
  label_[7]->setFixedWidth(digit * 34);
  for (QWidget* w : std::initializer_list<QWidget*>{
           label_[1],   label_[2],   label_[3],   label_[4],   label_[5],   label_[6],   label_[7],   label_[8],
           label_[9],   label_[10],  label_[11],  text_[1],    text_[2],    text_[3],    text_[4],    text_[5],
           text_[6],    pic1_,       check1_,     frame1_,     command_[1], command_[2], command_[3], command_[4],
           command_[9], command_[5], command_[6], command_[7], command_[8]}) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
  }

  auto* right = new QVBoxLayout;
  right->addWidget(label_[8]);
  right->addWidget(list1_, 1);
  right->addWidget(list2_);
  right->addWidget(list3_);
  right->addWidget(file1_);
  right->addWidget(file2_);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(left);
  layout->addLayout(middle);
  layout->addLayout(right, 1);

  ControlCentreLoad(form_, db_, dialogs_, clock_);
  Show();
  setMinimumSize(minimumSizeHint());
  resize(sizeHint());
  // The status window steps aside while the Control Centre is open, also
  // when Calculate Ratings sent the operator here.
  QMetaObject::invokeMethod(
      this,
      [this] {
        ctx_.HideStatus();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub && sub->mdiArea())
          sub->mdiArea()->setActiveSubWindow(sub);
      },
      Qt::QueuedConnection);
}

ControlCentreWindow::~ControlCentreWindow() { CloseListShow(); }

QSize ControlCentreWindow::sizeHint() const {
  return QSize(TwipsToPixels(WidthTwips), TwipsToPixels(HeightTwips)).expandedTo(minimumSizeHint());
}

bool ControlCentreWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::FocusIn && !showing_ && !running_) {
    // The operator's own move into a field; a message box giving the focus back is none.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
    const bool own = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                     reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (own) {
      using GotFocus = void (*)(ControlCentreForm&, const Database&);
      static const GotFocus entered[] = {nullptr, Text1GotFocus, Text2GotFocus, Text3GotFocus, Text4GotFocus,
                                         Text5GotFocus};
      for (int i = 1; i <= 5; ++i)
        if (watched == text_[i]) Run([this, i] { entered[i](form_, db_); });
      if (watched == text_[6]) Run([this] { Text6GotFocus(form_); });
      if (watched == text_[7]) Run([this] { Text7GotFocus(form_); });
    }
  }
  if (pic1_ && watched == pic1_ && e->type() == QEvent::MouseButtonDblClick) {
    Run([this] { Pic1DblClick(form_, db_, dialogs_, clock_); }, true);
    return true;
  }
  if (list2_ && watched == list2_->viewport() && e->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(e);
    if (mouse->button() == Qt::RightButton) {
      const int row = list2_->indexAt(mouse->position().toPoint()).row();
      if (row >= 0) Run([this, row] { List2RightButton(form_, row); });
      return true;
    }
  }
  if (list1_ && watched == list1_->viewport() && e->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(e);
    if (mouse->button() == Qt::RightButton) {
      const int row = list1_->indexAt(mouse->position().toPoint()).row();
      if (row >= 0) Run([this, row] { List1RightButton(form_, db_, row); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, e);
}

void ControlCentreWindow::Run(const std::function<void()>& event, bool busy) {
  if (RunOneEvent(this, running_, event, busy)) Show();
}

void ControlCentreWindow::ShowDuringEvent() {
  if (!running_ || showing_) return;
  // The focus goes where the event ends, not under the box.
  const std::string focus = std::exchange(form_.focus, std::string());
  Show();
  form_.focus = focus;
}

void ControlCentreWindow::ShowList(QListWidget* list, const ListBox& box) {
  // A list built anew opens with its current line at the top.
  if (app::ShowList(list, box) && box.listIndex >= 0 && box.listIndex < list->count())
    list->scrollToItem(list->item(box.listIndex), QAbstractItemView::PositionAtTop);
}

void ControlCentreWindow::Show() {
  showing_ = true;
  const Button* options[] = {&form_.Option1, &form_.Option2, &form_.Option3, &form_.Option4,
                             &form_.Option5, &form_.Option6, &form_.Option7};
  for (int i = 0; i < 7; ++i) ShowButton(options_[i], *options[i]);
  const Button* commands[] = {nullptr,         &form_.Command1, &form_.Command2, &form_.Command3, &form_.Command4,
                              &form_.Command5, &form_.Command6, &form_.Command7, &form_.Command8, &form_.Command9};
  for (int i = 1; i <= 9; ++i) ShowButton(command_[i], *commands[i]);
  command_[1]->setDefault(form_.command1Default);
  command_[3]->setDefault(form_.command3Default);

  const TextBox* texts[] = {nullptr,      &form_.Text1, &form_.Text2, &form_.Text3,
                            &form_.Text4, &form_.Text5, &form_.Text6, &form_.Text7};
  for (int i = 1; i <= 7; ++i) ShowText(text_[i], *texts[i]);
  const Label* labels[] = {nullptr,       &form_.Label1, &form_.Label2, &form_.Label3,  &form_.Label4,  &form_.Label5,
                           &form_.Label6, &form_.Label7, &form_.Label8, &form_.Label9, &form_.Label10, &form_.Label11};
  for (int i = 1; i <= 11; ++i) ShowLabel(label_[i], *labels[i]);
  label_[7]->setFont(form_.label7Font == FontCourierNew ? ListFont() : font());

  list1_->setFont(ListFont());
  ShowList(list1_, form_.List1);
  ShowList(list2_, form_.List2);
  list2_->setMaximumHeight(List2Tall(form_) ? QWIDGETSIZE_MAX : 80);
  ShowList(list3_, form_.List3);
  list3_->setVisible(List3Shown(form_));
  ShowButton(check1_, form_.Check1);
  ShowFrame(frame1_, form_.Frame1);
  pic1_->setVisible(form_.Pic1.visible);

  ShowListShow();

  if (!form_.focus.empty()) {
    const std::string focus = form_.focus;
    form_.focus.clear();
    for (int i = 1; i <= 7; ++i)
      if (focus == "Text" + std::to_string(i) && text_[i]->isEnabled()) text_[i]->setFocus(Qt::OtherFocusReason);
  }
  showing_ = false;
  if (form_.closed) CloseForm();
}

void ControlCentreWindow::CloseListShow() {
  ListShowWindow* window = listShow_;
  listShow_ = nullptr;
  if (!window) return;
  window->Forget();
  CloseChildWindow(window);
}

void ControlCentreWindow::ShowListShow() {
  if (!form_.listShow.visible) {
    CloseListShow();
    return;
  }
  // Beside the Control Centre, as each overview places it.
  int left = ListShowLeftTwips, top = ListShowTopTwips;
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    left += PixelsToTwips(sub->x());
    top += PixelsToTwips(sub->y());
  }
  if (!listShow_) {
    listShow_ = new ListShowWindow([this](int row) { Run([this, row] { ListShowClick(form_, db_, row); }); },
                                   [this] {
                                     listShow_ = nullptr;
                                     ListShowClosed(form_);
                                   });
    listShow_->Show(form_.listShow);
    ctx_.OpenChild(listShow_, ChildPlace::At(left, top));
  } else {
    listShow_->Show(form_.listShow);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(listShow_->parentWidget())) {
      if (form_.listShow.place) sub->move(TwipsToPixels(left), TwipsToPixels(top));
      sub->show();
    }
  }
  form_.listShow.place = false;
}

void ControlCentreWindow::CloseForm() {
  AppContext& ctx = ctx_;
  CloseChildWindow(this);
  ctx.RefreshStatus();
}

}  // namespace hrs::app
