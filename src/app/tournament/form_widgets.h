#pragma once
#include "core/shell/form_controls.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace hrs::app {

// Copies a control of a form struct into its widget; only what differs is
// touched, so that the widget's own state (scroll place, cursor) stays.
void ShowList(QListWidget* widget, const ListBox& list);
void ShowText(QLineEdit* widget, const TextBox& box);
void ShowLabel(QLabel* widget, const Label& label);
void ShowButton(QPushButton* widget, const Button& button);
void ShowCheck(QCheckBox* widget, const Button& button);

// Closes the MDI child window that holds `form`.
void CloseChildWindow(QWidget* form);

}  // namespace hrs::app
