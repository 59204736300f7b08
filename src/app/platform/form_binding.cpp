#include "app/platform/form_binding.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>

#include "app/platform/qt_text.h"

namespace hrs::app {

bool ShowList(QListWidget* widget, const ListBox& list) {
  const int count = static_cast<int>(list.lines.size());
  bool changed = widget->count() != count;
  while (widget->count() > count) delete widget->takeItem(widget->count() - 1);
  for (int i = 0; i < count; ++i) {
    const auto& item = list.lines[static_cast<size_t>(i)];
    const QString text = ToQt(item.line);
    QListWidgetItem* row = i < widget->count() ? widget->item(i) : nullptr;
    if (!row) {
      row = new QListWidgetItem(text, widget);
      row->setData(Qt::UserRole, item.value);
      changed = true;
      continue;
    }
    if (row->text() != text) {
      row->setText(text);
      changed = true;
    }
    if (row->data(Qt::UserRole).toInt() != item.value) {
      row->setData(Qt::UserRole, item.value);
      changed = true;
    }
  }
  const bool current = list.listIndex >= 0 && list.listIndex < count;
  const bool moved = widget->currentRow() != list.listIndex;
  widget->clearSelection();
  if (current) {
    widget->setCurrentRow(list.listIndex, QItemSelectionModel::NoUpdate);
    // Else the place the operator scrolled to stays.
    if (changed || moved) widget->scrollToItem(widget->item(list.listIndex));
  } else {
    widget->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
  }
  const bool several = widget->selectionMode() == QAbstractItemView::ExtendedSelection ||
                       widget->selectionMode() == QAbstractItemView::MultiSelection;
  if (list.selected.empty()) {
    if (current && !several) widget->item(list.listIndex)->setSelected(true);
  } else {
    for (int i : list.selected)
      if (i >= 0 && i < count) widget->item(i)->setSelected(true);
  }
  widget->setEnabled(list.enabled);
  widget->setVisible(list.visible);
  return changed;
}

void ShowText(QLineEdit* widget, const TextBox& box) {
  const QString text = ToQt(box.text);
  if (widget->text() != text) widget->setText(text);
  widget->setEnabled(box.enabled);
  widget->setReadOnly(box.readOnly);
  widget->setVisible(box.visible);
}

void ShowLabel(QLabel* widget, const Label& label) {
  const QString text = MessageText(label.caption);
  if (widget->text() != text) widget->setText(text);
  widget->setEnabled(label.enabled);
  widget->setVisible(label.visible);
}

void ShowButton(QAbstractButton* widget, const Button& button) {
  const QString text = ToQt(button.caption);
  if (widget->text() != text) widget->setText(text);
  if (widget->isCheckable() && widget->isChecked() != button.value) widget->setChecked(button.value);
  widget->setEnabled(button.enabled);
  widget->setVisible(button.visible);
}

void ShowFrame(QGroupBox* widget, const Button& frame) {
  widget->setTitle(ToQt(frame.caption));
  widget->setVisible(frame.visible);
}

void CloseChildWindow(QWidget* form) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) sub->close();
  else form->close();
}

}  // namespace hrs::app
