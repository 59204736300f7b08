#include "core/shell/menu_guards.h"

namespace hrs {

namespace {
constexpr const char* NoPlayers = "No players in database";
}

const CommandGuard& GuardOf(MenuCommand command) {
  static const CommandGuard setup{0, "", false, false};
  static const CommandGuard players{0, "", true, false};
  static const CommandGuard oneNeeded{1, NoPlayers, true, false};
  static const CommandGuard calc{2, "Less than 2 players in database", true, false};
  static const CommandGuard query{2, "Less than 2 players in database", false, false};
  static const CommandGuard local{2, "Less than 2 players in the database", true, true};
  static const CommandGuard print{1, "", false, false};
  switch (command) {
    case MenuCommand::Setup: return setup;
    case MenuCommand::Players: return players;
    case MenuCommand::ControlCentre:
    case MenuCommand::Utilities:
    case MenuCommand::SwissTournament: return oneNeeded;
    case MenuCommand::CalculateRatings: return calc;
    case MenuCommand::RatingQuery: return query;
    case MenuCommand::SmallTournament: return local;
    case MenuCommand::Print: return print;
  }
  return setup;
}

bool PassesGuard(MenuCommand command, const Database& db, Dialogs& dialogs) {
  const CommandGuard& guard = GuardOf(command);
  if (db.players.PlayerCount < guard.minPlayers) {
    if (*guard.message) {
      dialogs.Beep();
      dialogs.Message(guard.message);
    }
    return false;
  }
  return db.StartupOk != 0;
}

bool RefreshesStatusOnClose(const std::string& formName) {
  for (const char* name : {"dbSetup", "dbPlayer", "dbRating", "dbCalc", "dbTurn", "dbUtil", "dbLocal"})
    if (formName == name) return true;
  return false;
}

}  // namespace hrs
