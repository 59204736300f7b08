#pragma once
#include <string>

#include "core/data/database.h"
#include "core/platform/dialogs.h"

namespace hrs {

// The menu commands that open a working window, each with its guard.
enum class MenuCommand {
  Setup,             // dbSetup
  Players,           // dbPlayer
  ControlCentre,     // dbRating
  Utilities,         // dbUtil
  SwissTournament,   // dbTurn
  CalculateRatings,  // dbCalc
  RatingQuery,       // Query
  SmallTournament,   // dbLocal
  Print,             // the dbprt printouts
};

struct CommandGuard {
  int minPlayers = 0;          // PlayerCount needed
  const char* message = "";    // said (after a beep) when there are fewer
  bool hidesStatus = false;    // the status window steps aside
  bool busyCursor = false;     // hourglass while the window builds
};

const CommandGuard& GuardOf(MenuCommand command);

// Tests the command's guards in their order: the player count (a beep and
// the message, where one is given), then StartupOk, as no working window
// opens after a failed start-up. True: open the window.
bool PassesGuard(MenuCommand command, const Database& db, Dialogs& dialogs);

// The working windows that bring the status window back, refreshed, when
// they close (Setup, players, Control Centre, Calculate Ratings, Swiss
// tournament, utilities, small tournament).
bool RefreshesStatusOnClose(const std::string& formName);

}  // namespace hrs
