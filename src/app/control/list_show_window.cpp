#include "app/control/list_show_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "app/platform/fixed_font.h"
#include "app/platform/form_binding.h"
#include "app/platform/qt_text.h"
#include "core/shell/window_arrangement.h"

namespace hrs::app {

namespace {
constexpr int ListShowWidthTwips = 3600;
constexpr int ListShowHeightTwips = 4695;
constexpr int ListShorterTwips = 600;
}  // namespace

ListShowWindow::ListShowWindow(std::function<void(int)> clicked, std::function<void()> closed, QWidget* parent)
    : QWidget(parent), clicked_(std::move(clicked)), closed_(std::move(closed)) {
  setObjectName("dbListShow");
  frame_ = new QGroupBox(this);
  frame_->setObjectName("Frame1");
  frame_->setFont(ListFont());
  list1_ = new QListWidget(frame_);
  list1_->setObjectName("List1");
  list1_->setFont(ListFont());
  list1_->setUniformItemSizes(true);
  auto* inner = new QVBoxLayout(frame_);
  inner->setContentsMargins(4, 4, 4, 4);
  inner->addWidget(list1_);
  inner->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(frame_);
  connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!showing_ && row >= 0 && clicked_) clicked_(row);
  });
  connect(list1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (!showing_ && clicked_) clicked_(list1_->row(item));
  });
  resize(sizeHint());
}

QSize ListShowWindow::sizeHint() const {
  // Wide enough for its whole caption beside the title bar's icon and buttons.
  const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
  const int forCaption = title.horizontalAdvance(windowTitle()) + 4 * title.height() + 40;
  return {std::max(TwipsToPixels(ListShowWidthTwips), forCaption), TwipsToPixels(ListShowHeightTwips)};
}

void ListShowWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  // In its normal state the list leaves room below it.
  list1_->setFixedHeight(std::max(40, height() - TwipsToPixels(ListShorterTwips)));
}

void ListShowWindow::Forget() {
  clicked_ = nullptr;
  closed_ = nullptr;
}

void ListShowWindow::closeEvent(QCloseEvent* e) {
  if (auto closed = std::move(closed_)) closed();
  closed_ = nullptr;
  clicked_ = nullptr;
  QWidget::closeEvent(e);
}

void ListShowWindow::Show(const ListShowForm& form) {
  showing_ = true;
  setWindowTitle(ToQt(form.caption));
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub && sub->width() < sizeHint().width())
    sub->resize(sizeHint().width() + sub->width() - width(), sub->height());
  frame_->setTitle(ToQt(form.frameCaption));
  ShowList(list1_, form.List1);
  showing_ = false;
}

}  // namespace hrs::app
