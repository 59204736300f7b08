#include "app/rating/query_window.h"

#include "app/platform/fixed_font.h"
#include "app/platform/qt_text.h"
#include "app/shell/activation.h"

#include <QEvent>
#include <algorithm>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "app/lists/list_header.h"
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shell/app_context.h"
#include "app/shell/picture_box.h"
#include "app/platform/form_binding.h"
#include "core/rating/rating_query.h"
#include "core/shell/window_arrangement.h"

namespace hrs::app {

namespace {
constexpr int WidthTwips = 6075;
constexpr int HeightTwips = 4200;
}  // namespace

QueryWindow::QueryWindow(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
  setObjectName("Query");
  setWindowTitle("Rating Query");

  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label1_->setWordWrap(true);
  label1_->setMinimumHeight(label1_->fontMetrics().lineSpacing() * 2);
  auto* label2 = new QLabel("Sys Id", this);
  label2->setObjectName("Label2");
  auto* label3 = new QLabel("Win  Draw  Loss   Name", this);
  label3->setObjectName("Label3");
  auto* label4 = new QLabel("Rounded figures", this);
  label4->setObjectName("Label4");

  text1_ = new QLineEdit(this);
  text1_->setObjectName("Text1");
  text2_ = new QLineEdit(this);
  text2_->setObjectName("Text2");
  text3_ = new QLineEdit(this);
  text3_->setObjectName("Text3");
  text4_ = new QLineEdit(this);
  text4_->setObjectName("Text4");
  for (auto* t : {text1_, text2_}) t->setMaximumWidth(60);
  for (auto* t : {text3_, text4_}) t->setReadOnly(true);  // filled by the program
  connect(text1_, &QLineEdit::textChanged, this, [this] { SysIdChanged(text1_, text3_); });
  connect(text2_, &QLineEdit::textChanged, this, [this] { SysIdChanged(text2_, text4_); });

  pic1_ = new PictureBox(this);
  pic1_->setObjectName("Pic1");
  pic1_->setFont(ListFont());
  pic1_->setFixedSize(pic1_->SizeForText(15, 3));
  // The column header in the figures' own font, over their first column.
  AlignHeaderToText(label3, pic1_, pic1_->frameWidth() + PictureBox::TextMargin);

  calculate_ = new QPushButton("&Calculate", this);
  calculate_->setObjectName("Command1");
  exit_ = new QPushButton("E&xit", this);
  exit_->setObjectName("Command2");
  connect(calculate_, &QPushButton::clicked, this, &QueryWindow::Calculate);
  connect(exit_, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });

  auto* grid = new QGridLayout;
  grid->addWidget(label2, 0, 0);
  grid->addWidget(label3, 0, 1, 1, 2);
  grid->addWidget(text1_, 1, 0);
  grid->addWidget(pic1_, 1, 1, 2, 1);
  grid->addWidget(text3_, 1, 2);
  grid->addWidget(text2_, 2, 0);
  grid->addWidget(text4_, 2, 2);
  grid->addWidget(label4, 3, 1);
  grid->setColumnStretch(2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(calculate_);
  buttons->addWidget(exit_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1_);
  layout->addLayout(grid);
  layout->addStretch(1);
  layout->addLayout(buttons);
  // Never smaller than what its fonts need.
  setMinimumSize(minimumSizeHint());
  resize(sizeHint());
  CallOnActivation(this, [this] { label1_->setText(QueryIntro); });
}

QSize QueryWindow::sizeHint() const {
  return QSize(TwipsToPixels(WidthTwips), TwipsToPixels(HeightTwips)).expandedTo(minimumSizeHint());
}


void QueryWindow::SysIdChanged(QLineEdit* sysId, QLineEdit* name) {
  const QueryIdCheck check = CheckQueryId(FromQt(sysId->text()), ctx_.db.players);
  switch (check.kind) {
    case QueryIdCheck::Kind::Player:
      name->setText(ToQt(check.name));
      break;
    case QueryIdCheck::Kind::OutOfRange:
      name->clear();
      sysId->clear();
      sysId->setFocus(Qt::OtherFocusReason);
      break;
    case QueryIdCheck::Kind::NotNumeric:
      sysId->setFocus(Qt::OtherFocusReason);
      break;
  }
}

void QueryWindow::Calculate() {
  const QueryOutcome outcome = RunRatingQuery(FromQt(text1_->text()), FromQt(text2_->text()), ctx_.db);
  if (outcome.refusedField != 0) {
    QLineEdit* sysId = outcome.refusedField == 1 ? text1_ : text2_;
    QLineEdit* name = outcome.refusedField == 1 ? text3_ : text4_;
    name->clear();
    if (outcome.clearSysId) sysId->clear();
    sysId->setFocus(Qt::OtherFocusReason);
    return;
  }
  pic1_->Cls();
  for (const auto& line : outcome.lines) pic1_->Print(ToQt(line));
  text1_->setFocus(Qt::OtherFocusReason);
}

}  // namespace hrs::app
