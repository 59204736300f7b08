#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/platform/dialogs.h"
#include "core/shell/form_controls.h"
#include "core/swiss/turn_lines.h"

namespace hrs {

// The player grid of the window: its rows, the rows selected and the first
// row in view.
struct PlayerGrid {
  std::vector<GridRow> rows;
  std::vector<int> selected;  // row indexes, ascending
  int topRow = 0;
};

// The window dbTurn: the players picked for a tournament of the companion
// Swiss program, reserved slots, the workfile and the export.
struct TurnForm {
  std::string caption = "Players for QTP Tournament";
  PlayerGrid Grid1;
  ListBox List1;  // selected players, item value the Sys Id
  ListBox List2;  // reserved slots
  TextBox Text1;  // selected players + slots
  TextBox Text2;  // the number of slots to add
  TextBox Text3;  // the slot text, and the Alpha Search text
  TextBox Text4;  // selected players
  Label Label1, Label2, Label3;
  Button Check1{"Alpha Search"};
  std::string focus;   // the control the window moves the focus to
  bool close = false;  // the window closes
};

inline constexpr const char* TurnCaption = "Players for QTP Tournament";
inline constexpr int TurnWidthTwips = 10710;
inline constexpr int TurnHeightTwips = 7650;
// Rows the grid shows at a time, for the Alpha Search's scrolling rule.
inline constexpr int GridRowsInView = 25;

// Opening: the lists empty, the grid built, the remembered workfile loaded.
void TurnFormLoad(TurnForm& form, const Database& db, Dialogs& dialogs);

// The operator's selection in the grid and in the lists.
void Grid1SelectionChange(TurnForm& form, std::vector<int> rows);
void List1SelectionChange(TurnForm& form, std::vector<int> lines);
void List2SelectionChange(TurnForm& form, int line);

// "&Add Players" and the right mouse button on the grid.
void Command1Click(TurnForm& form, const Database& db);
void Grid1RightClick(TurnForm& form, const Database& db);
// "&Remove Player" and the right mouse button on List1.
void Command2Click(TurnForm& form, const Database& db);
void List1RightClick(TurnForm& form, const Database& db);
// "A&dd Slots".
void Command8Click(TurnForm& form);
// Double click or right mouse button on List2.
void List2DblClick(TurnForm& form);
void List2RightClick(TurnForm& form);
// "Alpha Search" and the typing in Text3.
void Check1Click(TurnForm& form, bool checked);
void Text2Change(TurnForm& form, const std::string& text);
void Text3Change(TurnForm& form, const std::string& text);
// "&Clear List".
void Command3Click(TurnForm& form, const Database& db);
// "&Save Workfile" and "&Load Workfile" (both save the setup with the new name).
// `repaint` shows the form before the file dialog, with its hint in Label1.
void Command4Click(TurnForm& form, Database& db, Dialogs& dialogs, const std::function<void()>& repaint = {});
void Command7Click(TurnForm& form, Database& db, Dialogs& dialogs);
// "&Export to tournament".
void Command5Click(TurnForm& form, const Database& db, Dialogs& dialogs);
// "E&xit": asks first while players are selected.
void Command6Click(TurnForm& form, Dialogs& dialogs);

}  // namespace hrs
