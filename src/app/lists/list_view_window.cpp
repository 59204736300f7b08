#include "app/lists/list_view_window.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "app/lists/list_header.h"
#include "app/platform/fixed_font.h"
#include "app/platform/qt_text.h"
#include "app/shell/app_context.h"
#include "core/lists/list_export.h"

namespace hrs::app {

ListViewWindow::ListViewWindow(QWidget* parent) : QWidget(parent) {
  setObjectName("dbListView");
  const QFont fixed = ListFont();
  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  list1_ = new QListWidget(this);
  list1_->setObjectName("List1");
  list1_->setFont(fixed);
  list1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list1_->setUniformItemSizes(true);
  AlignHeaderToList(label1_, list1_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(2);
  layout->addWidget(label1_);
  layout->addWidget(list1_, 1);

  auto* exportAction = new QAction(QStringLiteral("Export..."), this);
  exportAction->setObjectName("mnuExport");
  list1_->setContextMenuPolicy(Qt::ActionsContextMenu);
  list1_->addAction(exportAction);
  connect(exportAction, &QAction::triggered, this, [this] {
    if (onExport) onExport();
  });
}

QSize ListViewWindow::sizeHint() const {
  // The widest list (the ranking list with movements) and 25 lines.
  const QFontMetrics fm(list1_->font());
  return {fm.horizontalAdvance(QString(60, QLatin1Char('M'))) + 40, fm.lineSpacing() * 25 + 60};
}

void ListViewWindow::ShowContent(const ListViewContent& content) {
  shown_ = content;
  label1_->clear();
  list1_->clear();
  setWindowTitle(ToQt(content.caption));
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(content.lines.size()));
  for (const auto& line : content.lines) lines.append(ToQt(line));
  list1_->addItems(lines);
  label1_->setText(ToQt(content.header));
  if (content.selectFirst && list1_->count() > 0) {
    list1_->setCurrentRow(0);
  } else if (list1_->count() > 0) {
    list1_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  }
  list1_->setFocus(Qt::OtherFocusReason);
}

ListViewWindow* ShowInListWindow(AppContext& ctx, const ListViewContent& content) {
  auto* window = qobject_cast<ListViewWindow*>(ctx.FindChildWindow(QStringLiteral("dbListView")));
  if (window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
      if (frame->isMinimized() || frame->isMaximized()) frame->showNormal();
      frame->raise();
      if (auto* area = frame->mdiArea()) area->setActiveSubWindow(frame);
    }
  } else {
    window = new ListViewWindow;
    window->onExport = [&ctx, window] {
      ExportList(ListExportTable(window->shown()), ctx.db, ctx.dialogs, ctx.clock);
    };
    ctx.OpenChild(window);
  }
  window->ShowContent(content);
  return window;
}

}  // namespace hrs::app
