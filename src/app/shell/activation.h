#pragma once
#include <QWidget>
#include <functional>

namespace hrs::app {

// Runs `action` whenever the form's child window becomes the active child
// window, and when the form is first shown. Not when the main window merely
// gets the focus back (after a message box, or from another program), which
// would pull the focus away from the window the operator is using.
void CallOnActivation(QWidget* form, std::function<void()> action);

}  // namespace hrs::app
