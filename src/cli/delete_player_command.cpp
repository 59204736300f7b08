#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/players/player_entry.h"
#include "core/text/numeric.h"

namespace hrs::cli {

namespace {

int RunDeletePlayer(CliContext& ctx) {
  if (ctx.args.Positionals().empty()) {
    ctx.err << "Usage: hrs-cli [--data DIR] delete-player SYSID\n";
    return ExitUsage;
  }
  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;

  PlayerEntry entry;
  entry.mode = PlayerMode::Delete;
  entry.text1 = ctx.args.Positionals()[0];
  // The player's own fields, as a double click on his line puts them there.
  const auto id = NumericValue(entry.text1);
  if (id && *id >= 1 && *id <= db.players.PlayerCount) {
    const PlayerRecord& p = db.players[static_cast<int>(*id)];
    entry.text2 = p.Name.str();
    entry.text3 = p.Info.str();
    entry.text4 = std::to_string(p.MbShipNo);
    entry.Text5 = std::to_string(p.StartRating);
  }
  ConsoleDialogs dialogs(ctx.err);
  const EntryOutcome outcome = SavePlayerEntry(entry, db, dialogs);
  if (!outcome.saved) {
    if (!outcome.messageShown) ctx.err << ConsoleText(outcome.problem) << "\n";
    ctx.err << "Nothing was saved.\n";
    return ExitDataProblem;
  }
  ctx.out << "Deleted Sys Id " << outcome.sysId << " " << db.players[outcome.sysId].Name.str() << "\n";
  return ExitOk;
}

}  // namespace

Command DeletePlayerCommand() {
  return {"delete-player",
          "delete a player",
          "Usage: hrs-cli [--data DIR] delete-player SYSID\n\n"
          "Deletes the player with that Sys Id as the player database window does in\n"
          "its delete mode: his status becomes deleted (\"D\" in the lists) and the\n"
          "player file is saved. He is still rated during the current rating year\n"
          "and can come back only under a new Sys Id.\n\n"
          "Exit status: 0 deleted; 1 wrong arguments; 2 a missing or damaged file, a\n"
          "Sys Id outside the table, a player deleted already, or a file that could\n"
          "not be written (nothing is saved then).\n",
          {{}, 1},
          RunDeletePlayer};
}

}  // namespace hrs::cli
