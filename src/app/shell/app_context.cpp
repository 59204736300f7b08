#include "app/shell/app_context.h"

#include "app/shell/mdi_form.h"

namespace hrs::app {

QWidget* AppContext::ShowForm(const QString& formName) { return mainWindow.ShowForm(formName); }

QMdiSubWindow* AppContext::OpenChild(QWidget* window, ChildPlace place) {
  return mainWindow.OpenChild(window, place);
}

QWidget* AppContext::FindChildWindow(const QString& name) const { return mainWindow.FindChildWindow(name); }

void AppContext::RefreshStatus() { mainWindow.RefreshStatus(); }

void AppContext::HideStatus() { mainWindow.HideStatus(); }

}  // namespace hrs::app
