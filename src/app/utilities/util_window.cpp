#include "app/utilities/util_window.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QFontMetrics>
#include <algorithm>
#include <QVBoxLayout>
#include <optional>

#include "app/platform/fixed_font.h"
#include "app/platform/form_binding.h"
#include "app/platform/qt_text.h"
#include "app/shell/activation.h"
#include "app/shell/app_context.h"
#include "app/shell/busy_cursor.h"
#include "core/shell/window_arrangement.h"

namespace hrs::app {

namespace {

constexpr int UtilWidthTwips = 8745;
constexpr int UtilHeightTwips = 6615;

}  // namespace

UtilWindow::UtilWindow(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
  setObjectName("dbUtil");
  setWindowTitle("Ranking Database Utilities");
  Database& db = ctx_.db;
  Dialogs& dialogs = ctx_.dialogs;
  const Clock& clock = ctx_.clock;

  auto* options = new QGroupBox(this);
  options->setObjectName("FrameOptions");
  auto* optionLayout = new QVBoxLayout(options);
  const std::pair<int, std::function<void()>> optionEvents[] = {
      {1, [this] { Option1Click(form_); }},
      {2, [this, &db] { Option2Click(form_, db); }},
      {3, [this] { Option3Click(form_); }},
      {4, [this] { Option4Click(form_); }},
      {6,
       [this, &db, &dialogs, &clock] {
         // The instructions are on screen while the questions are asked.
         Option6Prepare(form_, db, clock);
         Show();
         repaint();
         Option6Run(form_, db, dialogs, clock);
       }},
  };
  for (const auto& [i, event] : optionEvents) {
    options_[i] = new QRadioButton(options);
    options_[i]->setObjectName(QString("Option%1").arg(i));
    optionLayout->addWidget(options_[i]);
    connect(options_[i], &QRadioButton::toggled, this, [this, event = event](bool on) {
      if (on && !showing_) Run(event, true);
    });
  }

  auto makeButton = [this](const char* name) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    return b;
  };
  command1_ = makeButton("Command1");
  command2_ = makeButton("Command2");
  command5_ = makeButton("Command5");
  command6_ = makeButton("Command6");
  connect(command1_, &QPushButton::clicked, this,
          [this, &db, &dialogs, &clock] { Run([this, &db, &dialogs, &clock] { Command1Click(form_, db, dialogs, clock); }, true); });
  connect(command2_, &QPushButton::clicked, this, [this] { Run([this] { Command2Click(form_); }); });
  connect(command5_, &QPushButton::clicked, this,
          [this, &db, &dialogs] { Run([this, &db, &dialogs] { Command5Click(form_, db, dialogs); }, true); });
  connect(command6_, &QPushButton::clicked, this, [this, &db, &dialogs, &clock] {
    Run([this, &db, &dialogs, &clock] { Command6Click(form_, db, dialogs, ctx_.printer, clock); }, true);
  });
  // Enter in the text box is the Enter button.
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), this);
    enter->setContext(Qt::WidgetWithChildrenShortcut);
    connect(enter, &QShortcut::activated, this, [this] {
      if (command1_->isEnabled()) command1_->click();
    });
  }

  text1_ = new QLineEdit(this);
  text1_->setObjectName("Text1");
  text1_->installEventFilter(this);
  connect(text1_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!showing_) Text1Change(form_, FromQt(text));
  });
  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label1_->setWordWrap(true);
  label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label2_ = new QLabel(this);
  label2_->setObjectName("Label2");
  label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  list1_ = new QListWidget(this);
  list1_->setObjectName("List1");
  list1_->setUniformItemSizes(true);
  list1_->setFont(ListFont());
  connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!showing_ && !running_) List1Click(form_, row);
  });

  auto* left = new QVBoxLayout;
  left->addWidget(options);
  left->addWidget(text1_);
  left->addWidget(command1_);
  left->addWidget(command5_);
  left->addWidget(command6_);
  left->addWidget(label2_);
  left->addStretch(1);
  left->addWidget(command2_);
  auto* right = new QVBoxLayout;
  right->addWidget(label1_);
  right->addWidget(list1_, 1);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(left);
  layout->addLayout(right, 1);
  label1_->setMinimumHeight(label1_->fontMetrics().lineSpacing() * 8);

  UtilActivate(form_);
  Show();
  setMinimumSize(minimumSizeHint());
  resize(sizeHint());
  CallOnActivation(this, [this] {
    if (running_) return;
    UtilActivate(form_);
    Show();
  });
}

QSize UtilWindow::sizeHint() const {
  return QSize(TwipsToPixels(UtilWidthTwips), TwipsToPixels(UtilHeightTwips)).expandedTo(minimumSizeHint());
}

bool UtilWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == text1_ && e->type() == QEvent::FocusIn && !showing_ && !running_) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
    if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
      Run([this] { Text1GotFocus(form_); });
  }
  return QWidget::eventFilter(watched, e);
}

void UtilWindow::Run(const std::function<void()>& event, bool busy) {
  if (RunOneEvent(this, running_, event, busy)) Show();
}

void UtilWindow::Show() {
  showing_ = true;
  const Button* options[] = {nullptr, &form_.Option1, &form_.Option2, &form_.Option3,
                             &form_.Option4, nullptr, &form_.Option6};
  for (int i : {1, 2, 3, 4, 6}) ShowButton(options_[i], *options[i]);
  ShowButton(command1_, form_.Command1);
  ShowButton(command2_, form_.Command2);
  ShowButton(command5_, form_.Command5);
  ShowButton(command6_, form_.Command6);
  ShowText(text1_, form_.Text1);
  ShowLabel(label1_, form_.Label1);
  ShowLabel(label2_, form_.Label2);
  ShowList(list1_, form_.List1);
  // The widths of the system are for its own font: the narrow list holds a
  // whole result line (50 characters) in ours, the wide one as much more.
  const int narrow = std::max(TwipsToPixels(5775), QFontMetrics(ListFont()).horizontalAdvance(QString(51, '0')) +
                                                       list1_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                                       2 * list1_->frameWidth());
  list1_->setFixedWidth(narrow * form_.listWidthTwips / 5775);

  if (!form_.focus.empty()) {
    if (form_.focus == "Text1" && text1_->isEnabled()) text1_->setFocus(Qt::OtherFocusReason);
    form_.focus.clear();
  }
  showing_ = false;
  if (form_.closed) CloseForm();
}

void UtilWindow::CloseForm() {
  AppContext& ctx = ctx_;
  CloseChildWindow(this);
  ctx.RefreshStatus();
}

}  // namespace hrs::app
