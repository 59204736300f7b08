#include "app/data/setup_window.h"

#include "app/platform/qt_text.h"
#include "app/shell/showing_dialogs.h"
#include "app/platform/form_binding.h"

#include <functional>

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace hrs::app {

namespace {

constexpr int RowSpacing = 6;

}  // namespace

SetupWindow::SetupWindow(Database& db, Dialogs& dialogs, const Clock& clock, std::function<void()> refreshStatus,
                         QWidget* parent)
    : QWidget(parent), db_(db), dialogs_(dialogs), clock_(clock), refreshStatus_(std::move(refreshStatus)) {
  setObjectName("dbSetup");
  setWindowTitle(SetupFormCaption);

  // The captions are printed into one picture area, each level with its field.
  auto* pic = new QFrame(this);
  pic->setObjectName("Pic1");
  pic->setFrameShape(QFrame::StyledPanel);
  auto* captions = new QVBoxLayout(pic);
  captions->setSpacing(RowSpacing);
  captions->setContentsMargins(8, 0, 8, 0);

  auto* fields = new QVBoxLayout;
  fields->setSpacing(RowSpacing);
  for (int i = 0; i < SetupFieldCount; ++i) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString("Text%1").arg(i + 1));
    edit->setMinimumWidth(i == 0 ? 260 : 90);
    fields->addWidget(edit, 0, i == 0 ? Qt::Alignment() : Qt::AlignLeft);
    text_[static_cast<size_t>(i)] = edit;

    auto* caption = new QLabel(SetupCaptions()[static_cast<size_t>(i)], pic);
    caption->setFixedHeight(edit->sizeHint().height());
    captions->addWidget(caption);
  }

  save_ = new QPushButton("&Save", this);
  save_->setObjectName("Command1");
  close_ = new QPushButton("&Close", this);
  close_->setObjectName("Command2");
  connect(save_, &QPushButton::clicked, this, &SetupWindow::Save);
  connect(close_, &QPushButton::clicked, this, &SetupWindow::CloseForm);

  auto* rows = new QHBoxLayout;
  rows->addWidget(pic);
  rows->addLayout(fields, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(save_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(rows);
  layout->addSpacing(12);
  layout->addLayout(buttons);

  FillFields();
}

void SetupWindow::FillFields() {
  const SetupFields values = SetupFieldsFrom(db_.setup);
  for (size_t i = 0; i < values.size(); ++i) text_[i]->setText(ToQt(values[i]));
}

SetupFields SetupWindow::Fields() const {
  SetupFields f;
  for (size_t i = 0; i < f.size(); ++i) f[i] = FromQt(text_[i]->text());
  return f;
}

void SetupWindow::Save() {
  SetupFields fields = Fields();
  // Restored values and the 0 of a negative minimum go back into the fields
  // before any message about them appears, not after.
  const auto showFields = [this, &fields] {
    for (size_t i = 0; i < fields.size(); ++i) {
      const QString value = ToQt(fields[i]);
      if (text_[i]->text() != value) text_[i]->setText(value);
    }
  };
  ShowingDialogs dialogs(dialogs_, showFields);
  const SetupSaveOutcome outcome = SaveSetupForm(fields, db_, dialogs, clock_);
  showFields();
  if (outcome.focus > 0) text_[static_cast<size_t>(outcome.focus - 1)]->setFocus(Qt::OtherFocusReason);
}

void SetupWindow::CloseForm() {
  CloseChildWindow(this);
  if (refreshStatus_) refreshStatus_();
}

}  // namespace hrs::app
