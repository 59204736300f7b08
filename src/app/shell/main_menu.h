#pragma once
#include <vector>

#include "core/shell/menu_guards.h"

namespace hrs::app {

// What choosing a menu item does.
enum class ItemKind {
  Separator,
  Form,         // opens the form `target` after the guard of `command`
  Print,        // runs its menu action after the guard of `command`
  Action,       // runs its menu action, which makes its own checks
  Arrangement,  // toggles the window arrangement
  Copy,         // Copy to ClipBoard
  Exit,
};

struct MenuItemDef {
  const char* name;     // objectName
  int index;            // index in an item array (dbprt, rmdb), else -1
  const char* caption;
  const char* key;      // shortcut ("F2" .. "F12") or ""
  ItemKind kind;
  const char* target = "";  // the form of a Form item
  MenuCommand command = MenuCommand::Setup;
};

struct MenuDef {
  const char* name;
  const char* caption;
  std::vector<MenuItemDef> items;
};

// The main window's menu bar, in order.
const std::vector<MenuDef>& MainMenuTable();

}  // namespace hrs::app
