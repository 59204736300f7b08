#include "app/tournament/form_widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>

#include "app/platform/qt_text.h"

namespace hrs::app {

void ShowList(QListWidget* widget, const ListBox& list) {
  const int count = static_cast<int>(list.lines.size());
  while (widget->count() > count) delete widget->takeItem(widget->count() - 1);
  for (int i = 0; i < count; ++i) {
    const auto& item = list.lines[static_cast<size_t>(i)];
    const QString text = ToQt(item.line);
    if (i >= widget->count()) {
      auto* row = new QListWidgetItem(text, widget);
      row->setData(Qt::UserRole, item.value);
    } else {
      QListWidgetItem* row = widget->item(i);
      if (row->text() != text) row->setText(text);
      row->setData(Qt::UserRole, item.value);
    }
  }
  if (list.listIndex >= 0 && list.listIndex < count) {
    widget->setCurrentRow(list.listIndex);
    widget->scrollToItem(widget->item(list.listIndex));
  } else {
    widget->clearSelection();
    widget->setCurrentRow(-1);
  }
  widget->setEnabled(list.enabled);
  widget->setVisible(list.visible);
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

void ShowButton(QPushButton* widget, const Button& button) {
  widget->setText(ToQt(button.caption));
  widget->setEnabled(button.enabled);
  widget->setVisible(button.visible);
}

void ShowCheck(QCheckBox* widget, const Button& button) {
  widget->setText(ToQt(button.caption));
  widget->setChecked(button.value);
  widget->setEnabled(button.enabled);
  widget->setVisible(button.visible);
}

void CloseChildWindow(QWidget* form) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) sub->close();
  else form->close();
}

}  // namespace hrs::app
