#pragma once
#include <optional>
#include <string>

#include "core/data/database.h"
#include "core/platform/dialogs.h"
#include "core/players/player_entry.h"
#include "core/players/player_lines.h"
#include "core/shell/form_controls.h"
#include "core/data/failure.h"

namespace hrs {

// Opening size of the window, in twips.
inline constexpr int PlayerFormWidthTwips = 10890;
inline constexpr int PlayerFormHeightTwips = 6615;
// Lines the list shows at once.
inline constexpr int PlayerListRows = 24;

// The player database window dbPlayer as plain state: its fields, the mode,
// the list in one of its two orders, and the field the focus goes to.
struct PlayerForm {
  PlayerMode mode = PlayerMode::NewPlayer;
  PlayerOrder order = PlayerOrder::SysId;

  TextBox text1, text2, text3, text4, Text5;
  // The captions beside the fields.
  Label Label1{"System ID"}, Label2{"Name"}, Label3{"Info"}, Label4{"Membership Number"}, Label7{"Rating primo"};
  Button Check1{"D&on't use"};
  Button Check2{"Don'&t use"};
  Button Option1{"Entry of  &new player"};
  Button Option2{"&Change player data"};
  Button Option3{"&Delete player"};
  Button Option4{"Alpha &Search"};
  Button Command1{"&Enter"};
  Button Command2{"E&xit"};
  Button Command3{" &Reverse sort        ID/Name"};
  ListBox List1;
  Label Label5;
  Label Label6{"1 = Don't know"};
  Label Label9{"Press Enter key or click Enter button  to save"};
  Label Label10;
  Label Label11{" DblClick player to transfer to edit boxes"};
  Label Pic1;  // the Sys Id is outside the table
  static constexpr const char* Pic1ToolTip = "There is no player with this System ID";

  // The field the focus moves to ("text2"); the window takes it and clears it.
  std::string focus;
};

// The help texts of the modes in Label5.
extern const char* const NewPlayerHelp;
extern const char* const ChangeHelp;
extern const char* const DeleteHelp;

// Opening and activation.
void PlayerFormLoad(PlayerForm& f, const Database& db);
void PlayerFormActivate(PlayerForm& f, const Database& db);

// The modes.
void Option1Click(PlayerForm& f, const Database& db);
void Option2Click(PlayerForm& f, const Database& db);
void Option3Click(PlayerForm& f, const Database& db);
void Option4Click(PlayerForm& f, const Database& db);

// "Enter": the save sequence, then the list and the fields.
void Command1Click(PlayerForm& f, Database& db, Dialogs& dialogs);
// "Reverse sort": Sys Id order and name order change places.
void Command3Click(PlayerForm& f, const Database& db);

// The operator chose lines (indexes into the list), or double-clicked one.
void List1Click(PlayerForm& f, std::vector<int> selected);
void List1DblClick(PlayerForm& f, const Database& db, int index);

// Typing; the window has put the new text into the field first.
void text1Change(PlayerForm& f);
void text2Change(PlayerForm& f);

// The focus rules, whenever a field receives the focus.
void text1GotFocus(PlayerForm& f);
void text2GotFocus(PlayerForm& f);
void text3GotFocus(PlayerForm& f);
void text4GotFocus(PlayerForm& f);
void Text5GotFocus(PlayerForm& f);

// The check boxes after the operator ticked or cleared them (value set).
void Check1Click(PlayerForm& f);
void Check2Click(PlayerForm& f);

// Closing ("Exit" or the window's close box): the player file is saved
// whole. A failure is told and returned.
Failure PlayerFormUnload(PlayerForm& f, Database& db, Dialogs& dialogs);

}  // namespace hrs
