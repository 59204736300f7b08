#pragma once
#include <string>

#include "core/data/database.h"
#include "core/platform/dialogs.h"

namespace hrs {

// The modes of the player database, by their option buttons.
enum class PlayerMode { NewPlayer = 1, Change = 2, Delete = 3, AlphaSearch = 4 };

// What the operator typed, by the fields of the player database.
struct PlayerEntry {
  PlayerMode mode = PlayerMode::NewPlayer;
  std::string text1;  // Sys Id
  std::string text2;  // name
  std::string text3;  // info
  std::string text4;  // membership number
  std::string Text5;  // start rating
  bool Check1 = false;  // no info
  bool Check2 = false;  // no membership number
};

struct EntryOutcome {
  bool saved = false;
  int sysId = 0;           // the player entered, changed or deleted
  bool reused = false;     // a void Sys Id was given to a new player
  std::string focus;       // refused: the field to go back to
  std::string problem;     // what was wrong, also where the window only beeps
  bool messageShown = false;
  bool showPic1 = false;   // the Sys Id is outside the table
};

// Largest membership number the table holds.
inline constexpr long long LargestMbShipNo = 2147483647;

// The save sequence of the player database ("Enter"): every check with its
// refusal and message, then the record, the list-free effects and the files.
// A new player's line is appended to the player file; a change or deletion
// rewrites it whole. The table is changed only when the file took it.
// May change the typed fields as the window does (info of "Don't use",
// start rating put back to the first rating).
EntryOutcome SavePlayerEntry(PlayerEntry& entry, Database& db, Dialogs& dialogs);

// Text that would break or not read back from the player file: a double
// quote, a line break or another control character.
bool HoldsUnstorableText(std::string_view text);

}  // namespace hrs
