#pragma once
#include "core/shell/form_controls.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

namespace hrs::app {

// Copies the controls of a form struct into their widgets, the one way every
// window shows its form. Only what differs is touched, so that the widget's
// own state (scroll place, cursor) stays; the caller keeps the widgets'
// change signals from echoing back as events while it shows.

// Lines with their item values, the selected lines (in a list of single
// choice the current line when none is named), the current line, enabled
// and visible. True when the lines changed.
bool ShowList(QListWidget* widget, const ListBox& list);
void ShowText(QLineEdit* widget, const TextBox& box);
void ShowLabel(QLabel* widget, const Label& label);
// Command buttons, check boxes and option buttons: caption, enabled,
// visible, and the check mark where the button has one.
void ShowButton(QAbstractButton* widget, const Button& button);
// A frame: its caption and whether it is shown.
void ShowFrame(QGroupBox* widget, const Button& frame);

// Closes the MDI child window that holds `form` (the form itself outside
// the main window).
void CloseChildWindow(QWidget* form);

}  // namespace hrs::app
