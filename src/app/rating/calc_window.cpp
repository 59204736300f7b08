#include "app/rating/calc_window.h"

#include "app/platform/fixed_font.h"
#include "app/platform/qt_text.h"
#include "app/shell/activation.h"

#include <QCheckBox>
#include <QEvent>
#include <algorithm>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/lists/history_window.h"
#include "app/lists/list_header.h"
#include "app/platform/form_binding.h"
#include "app/shell/app_context.h"
#include "app/shell/busy_cursor.h"
#include "app/shell/form_registry.h"
#include "core/rating/calc_form.h"
#include "core/shell/window_arrangement.h"

namespace hrs::app {

namespace {

constexpr int OpenWidthTwips = 3720;
constexpr int OpenHeightTwips = 3945;
constexpr int ListWidthTwips = 9620;
constexpr int HistoryWidthTwips = 3675;

}  // namespace

CalcWindow::CalcWindow(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
  setObjectName("dbCalc");
  setWindowTitle("Calculate ratings");
  CalcFormLoad(form_, ctx_.db, ctx_.clock);

  text1_ = new QLineEdit(this);
  text1_->setObjectName("Text1");
  text2_ = new QLineEdit(this);
  text2_->setObjectName("Text2");
  text3_ = new QLineEdit(this);
  text3_->setObjectName("Text3");
  for (auto* t : {text1_, text2_, text3_}) t->setMaximumWidth(60);
  // Never a stop for the keyboard or the window's focus memory; a click
  // lands in the start month (below).
  text1_->setFocusPolicy(Qt::NoFocus);
  text3_->setFocusPolicy(Qt::NoFocus);
  text1_->installEventFilter(this);
  text3_->installEventFilter(this);
  connect(text1_, &QLineEdit::textChanged, this, [this] {
    if (showing_) return;
    Text1Change(form_, ctx_.db);
    Show();
  });
  connect(text2_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (showing_) return;
    Text2Change(form_, ctx_.clock, FromQt(text));
    Show();
  });

  check1_ = new QCheckBox("&Full year", this);
  check1_->setObjectName("Check1");
  connect(check1_, &QCheckBox::clicked, this, &CalcWindow::FullYear);

  calculate_ = new QPushButton("&Calculate", this);
  calculate_->setObjectName("Command1");
  ranking_ = new QPushButton("&Ranking List", this);
  ranking_->setObjectName("Command3");
  history_ = new QPushButton("Rating &History", this);
  history_->setObjectName("Command4");
  exit_ = new QPushButton("E&xit", this);
  exit_->setObjectName("Command2");
  connect(calculate_, &QPushButton::clicked, this, &CalcWindow::Calculate);
  connect(ranking_, &QPushButton::clicked, this, &CalcWindow::RankingList);
  connect(exit_, &QPushButton::clicked, this, &CalcWindow::Exit);
  connect(history_, &QPushButton::clicked, this, &CalcWindow::RatingHistory);

  frame1_ = new QFrame(this);
  frame1_->setObjectName("Frame1");
  frame1_->setFrameShape(QFrame::Box);
  frame1_->setMinimumHeight(28);
  label6_ = new QLabel(frame1_);
  label6_->setObjectName("Label6");
  auto* frameLayout = new QVBoxLayout(frame1_);
  frameLayout->setContentsMargins(4, 2, 4, 2);
  frameLayout->addWidget(label6_);

  label5_ = new QLabel(this);
  label5_->setObjectName("Label5");
  label5_->setWordWrap(true);
  QSizePolicy keepPlace = label5_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  label5_->setSizePolicy(keepPlace);
  label5_->setMinimumHeight(label5_->fontMetrics().lineSpacing() * 4);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel("Rating year", this), 0, 0);
  fields->addWidget(text1_, 0, 1);
  fields->addWidget(new QLabel("From month", this), 1, 0);
  fields->addWidget(text2_, 1, 1);
  fields->addWidget(new QLabel("To month", this), 2, 0);
  fields->addWidget(text3_, 2, 1);
  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addWidget(check1_);
  left->addWidget(calculate_);
  left->addWidget(ranking_);
  left->addWidget(history_);
  left->addWidget(exit_);
  left->addWidget(frame1_);
  left->addWidget(label5_);
  left->addStretch(1);
  auto* leftSide = new QWidget(this);
  leftSide->setLayout(left);
  leftSide->setFixedWidth(TwipsToPixels(OpenWidthTwips) - 12);

  // The ranking list lies beside the fields; the window widens to show it.
  const QFont fixed = ListFont();
  label7_ = new QLabel(this);
  label7_->setObjectName("Label7");
  label7_->setFont(fixed);
  label7_->hide();
  list1_ = new QListWidget(this);
  list1_->setObjectName("List1");
  list1_->setFont(fixed);
  // Any lines, for Copy to ClipBoard.
  list1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  AlignHeaderToList(label7_, list1_);
  listSide_ = new QWidget(this);
  auto* right = new QVBoxLayout(listSide_);
  right->setContentsMargins(0, 0, 0, 0);
  right->addWidget(label7_);
  right->addWidget(list1_, 1);
  listSide_->hide();

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(leftSide);
  layout->addWidget(listSide_, 1);
  Show();
  // Never smaller than what its fonts need.
  setMinimumSize(minimumSizeHint());
  resize(sizeHint());
  CallOnActivation(this, [this] { Activated(); });
}

QSize CalcWindow::sizeHint() const {
  return QSize(TwipsToPixels(OpenWidthTwips), TwipsToPixels(OpenHeightTwips)).expandedTo(minimumSizeHint());
}

void CalcWindow::Activated() {
  CalcActivate(form_, ctx_.clock);
  Show();
}

bool CalcWindow::eventFilter(QObject* watched, QEvent* e) {
  // The year and the end month are not the operator's to edit.
  if ((e->type() == QEvent::FocusIn || e->type() == QEvent::MouseButtonPress) &&
      (watched == text1_ || watched == text3_))
    text2_->setFocus(Qt::OtherFocusReason);
  return QWidget::eventFilter(watched, e);
}

void CalcWindow::FullYear() {
  Check1Click(form_, ctx_.db, ctx_.clock);
  Show();
}

void CalcWindow::Show() {
  showing_ = true;
  ShowText(text1_, form_.Text1);
  ShowText(text2_, form_.Text2);
  ShowText(text3_, form_.Text3);
  ShowLabel(label5_, form_.Label5);
  ShowLabel(label6_, form_.Label6);
  ShowLabel(label7_, form_.Label7);
  ShowList(list1_, form_.List1);
  if (form_.Frame1Colour) SetFrameColour(QColor(form_.Frame1Colour->r, form_.Frame1Colour->g, form_.Frame1Colour->b));
  if (!form_.focus.empty()) {
    if (form_.focus == "Text2") text2_->setFocus(Qt::OtherFocusReason);
    if (form_.focus == "Text3") text3_->setFocus(Qt::OtherFocusReason);
    form_.focus.clear();
  }
  showing_ = false;
}

void CalcWindow::SetWidthTwips(int twips) {
  const int px = TwipsToPixels(twips);
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    frame->resize(frame->width() - width() + px, frame->height());
  else
    resize(px, height());
}

void CalcWindow::SetFrameColour(const QColor& colour) {
  QPalette p = frame1_->palette();
  p.setColor(QPalette::Window, colour);
  frame1_->setPalette(p);
  frame1_->setAutoFillBackground(true);
}

void CalcWindow::Calculate() {
  std::optional<CalculationOutcome> outcome;
  {
    BusyCursor busy(this);
    // The whole window: the hint disappears as the run starts, not after it.
    outcome = Command1Click(form_, ctx_.db, ctx_.dialogs, ctx_.clock, [this] {
      Show();
      repaint();
    });
  }
  Show();
  if (!outcome) return;
  if (outcome->stopped) {
    // The operator goes to the Control Centre to validate the file. The
    // window is gone once closed, so only the context is used after it.
    AppContext& ctx = ctx_;
    CloseChildWindow(this);
    if (FindFormFactory("dbRating")) ctx.ShowForm("dbRating");
    else ctx.RefreshStatus();
    return;
  }
  ShowCalculationReport(*outcome, ctx_.dialogs);
  RankingList();
}

void CalcWindow::RankingList() {
  BusyCursor busy(this);
  if (!Command3Click(form_, ctx_.db, ctx_.dialogs)) return;
  listSide_->show();
  SetWidthTwips(ListWidthTwips);
  Show();
}

void CalcWindow::RatingHistory() {
  SetWidthTwips(HistoryWidthTwips);
  ShowHistoryWindow(ctx_, HistoryOrder::ByName);
}

void CalcWindow::Exit() {
  AppContext& ctx = ctx_;
  CloseChildWindow(this);
  ctx.RefreshStatus();
}

}  // namespace hrs::app
