#include "app/shell/help_window.h"

#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include "app/platform/fixed_font.h"
#include "app/platform/qt_text.h"
#include "app/shell/app_context.h"
#include "core/shell/help_text.h"
#include "core/shell/window_arrangement.h"

namespace hrs::app {

namespace {

constexpr int WidthTwips = 8500;
constexpr int HeightTwips = 5970;

}  // namespace

std::vector<std::string> ManualBodies() {
  std::vector<std::string> bodies;
  for (const auto& chapter : HelpChapters()) {
    QFile file(QStringLiteral(":/manual/") + QString::fromLatin1(chapter.resource));
    bodies.push_back(file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string());
  }
  return bodies;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Help"));
  setWindowTitle(QStringLiteral("ReadMe"));
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("List1"));
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // One line height for all: the manual's thousand lines are not measured
  // one by one when the list is filled.
  list_->setUniformItemSizes(true);
  // Small enough that a heading (50 blanks and the title) and a body line of
  // 85 characters fit the list of a window that may not grow wider.
  QFont font = ListFont();
  font.setPointSizeF(7.5);
  list_->setFont(font);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setMaximumWidth(TwipsToPixels(WidthTwips));
  resize(sizeHint());
}

QSize HelpWindow::sizeHint() const { return {TwipsToPixels(WidthTwips), TwipsToPixels(HeightTwips)}; }

void HelpWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The list keeps its margins to the window: 400 twips narrower, 500 lower.
  list_->setGeometry(0, 0, std::max(0, width() - TwipsToPixels(400)), std::max(0, height() - TwipsToPixels(500)));
}

void HelpWindow::ShowChapter(int menuIndex) {
  if (list_->count() == 0) {
    for (const auto& line : HelpLines(ManualBodies())) {
      auto* item = new QListWidgetItem(ToQt(line.line), list_);
      item->setData(Qt::UserRole, line.value);
      item->setSelected(line.value > 0);
    }
  }
  const int top = HelpTopLine([this] {
    std::vector<SortedList::Item> lines;
    for (int i = 0; i < list_->count(); ++i) lines.push_back({{}, list_->item(i)->data(Qt::UserRole).toInt()});
    return lines;
  }(), menuIndex);
  if (top >= 0) list_->scrollToItem(list_->item(top), QAbstractItemView::PositionAtTop);
}

void ShowReadMe(AppContext& ctx, int menuIndex) {
  auto* help = qobject_cast<HelpWindow*>(ctx.FindChildWindow(QStringLiteral("Help")));
  if (!help) {
    help = new HelpWindow;
    ctx.OpenChild(help, ChildPlace::CentredAtTop(900));
  }
  if (auto* sub = qobject_cast<QMdiSubWindow*>(help->parentWidget()); sub && sub->mdiArea())
    sub->mdiArea()->setActiveSubWindow(sub);
  help->show();
  help->ShowChapter(menuIndex);
}

}  // namespace hrs::app
