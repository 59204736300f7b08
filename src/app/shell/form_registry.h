#pragma once
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace hrs::app {

class AppContext;

// How the windows of the system come into the program.
//
// Forms. A menu item that opens a working window names its form: "dbSetup",
// "dbPlayer", "dbRating", "dbUtil", "dbTurn", "dbCalc", "Query", "dbLocal".
// The item is enabled exactly when that name has a factory in Forms() of
// form_registry.cpp. When the operator chooses it, the shell first runs the
// command's guards (player count with its message, then StartupOk), hides
// the status window where the command says so, and only then calls the
// factory. While the window is open, choosing the item again brings it to
// the front instead of building a second one.
//
// A factory
//  - builds the window as a QWidget without parent and returns it; the shell
//    sets its objectName to the form name when it has none, puts it into the
//    main window's MDI area, places it (centred, or where the user left it
//    under "by user") and remembers its place when it closes; the window is
//    deleted when it closes;
//  - may keep the AppContext& for the data, the dialogs, the clock, the
//    printer, RefreshStatus() and opening further child windows;
//  - may return nullptr to open nothing (after telling the operator why).
//
// Menu actions. Items that run a command rather than open one form (the
// View, Print and ReadMe items) are in MenuActions(), keyed by the item's
// objectName; array items (dbprt, rmdb) receive their index. An item is
// enabled exactly when it has an action. The dbprt items are guarded by the
// shell (StartupOk and at least one player) before their action runs; the
// others make their own checks.
//
// Adding a window or a command is one line in form_registry.cpp.
using FormFactory = std::function<QWidget*(AppContext&)>;
using MenuAction = std::function<void(AppContext&, int index)>;

// Nothing when the form or the action is not part of the program.
const FormFactory* FindFormFactory(std::string_view formName);
const MenuAction* FindMenuAction(std::string_view itemName);

// For tests: stands a window in for a form (an empty factory removes it)
// and returns the factory it replaced. Menus built afterwards enable their
// item accordingly.
FormFactory SetFormFactoryForTest(const std::string& formName, FormFactory factory);

}  // namespace hrs::app
