#pragma once
#include <QWidget>
#include <functional>

#include "core/lists/list_view.h"

class QLabel;
class QListWidget;

namespace hrs::app {

class AppContext;

// The list window dbListView, shared by the ranking list and the master
// lists: a header label over one fixed-pitch list in which any lines can be
// selected for Copy to ClipBoard.
class ListViewWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ListViewWindow(QWidget* parent = nullptr);

  void ShowContent(const ListViewContent& content);

  QListWidget* list() const { return list1_; }
  QLabel* header() const { return label1_; }
  const ListViewContent& shown() const { return shown_; }

  // The list's context menu, "Export...".
  std::function<void()> onExport;

 protected:
  QSize sizeHint() const override;

 private:
  QLabel* label1_;
  QListWidget* list1_;
  ListViewContent shown_;
};

// Opens dbListView (or takes the open one, restored to its normal size)
// and shows the content in it.
ListViewWindow* ShowInListWindow(AppContext& ctx, const ListViewContent& content);

}  // namespace hrs::app
