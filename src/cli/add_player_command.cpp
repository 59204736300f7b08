#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/players/player_entry.h"
#include "core/text/code_page.h"

namespace hrs::cli {

namespace {

int RunAddPlayer(CliContext& ctx) {
  PlayerEntry entry;
  entry.mode = PlayerMode::NewPlayer;
  entry.Check1 = true;  // no info unless one is given
  bool haveName = false, mbShipGiven = false;
  std::optional<std::string> rating;
  for (size_t i = 0; i < ctx.args.size(); ++i) {
    const std::string& a = ctx.args[i];
    const bool takesValue = a == "--mbship" || a == "--info" || a == "--rating";
    if (takesValue && i + 1 >= ctx.args.size()) {
      ctx.err << "hrs-cli add-player: " << a << " needs a value\n";
      return ExitUsage;
    }
    if (a == "--mbship" || a == "--no-mbship") {
      if (mbShipGiven) {
        ctx.err << "hrs-cli add-player: give --mbship N or --no-mbship, once\n";
        return ExitUsage;
      }
      mbShipGiven = true;
      entry.Check2 = a == "--no-mbship";
      if (!entry.Check2) entry.text4 = ctx.args[++i];
    } else if (a == "--info") {
      entry.Check1 = false;
      entry.text3 = TextFromFile(ctx.args[++i]);
    } else if (a == "--rating") {
      rating = ctx.args[++i];
    } else if (!haveName && (a.empty() || a[0] != '-' || a.size() == 1)) {
      // A terminal in the Windows code page gives its letters as they are typed.
      entry.text2 = TextFromFile(a);
      haveName = true;
    } else {
      return UnexpectedArgument(ctx, "add-player", a);
    }
  }
  if (!haveName || !mbShipGiven) {
    ctx.err << "Usage: hrs-cli [--data DIR] add-player NAME (--mbship N | --no-mbship) [--info TEXT] "
               "[--rating R]\n";
    return ExitUsage;
  }

  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClubIsFine)) return ExitDataProblem;
  entry.text1 = std::to_string(db.players.PlayerCount + 1);
  entry.Text5 = rating ? *rating : std::to_string(db.setup.FirstRating);
  ConsoleDialogs dialogs(ctx.err);
  const EntryOutcome outcome = SavePlayerEntry(entry, db, dialogs);
  if (!outcome.saved) {
    if (!outcome.messageShown) ctx.err << ConsoleText(outcome.problem) << "\n";
    ctx.err << "Nothing was saved.\n";
    return ExitDataProblem;
  }
  ctx.out << outcome.sysId << "\n";
  return ExitOk;
}

}  // namespace

Command AddPlayerCommand() {
  return {"add-player", "enter a new player",
          "Usage: hrs-cli [--data DIR] add-player NAME (--mbship N | --no-mbship) [--info TEXT] [--rating R]\n\n"
          "Enters a new player as the player database window does in its new-player\n"
          "mode, with the same checks and messages, and prints the new Sys Id.\n"
          "The player's line is appended to the player file and his statistics\n"
          "row starts from his start rating. Works on a club with no players yet.\n\n"
          "  --mbship N     the membership number (5 to 8 digits; 1 means none)\n"
          "  --no-mbship    the player has no membership number (999999 is stored)\n"
          "  --info TEXT    the free info text (without it the info is left blank)\n"
          "  --rating R     the start rating, from the setup's first rating to 2099\n"
          "                 (default: the first rating)\n\n"
          "Exit status: 0 entered; 1 wrong arguments; 2 a missing or damaged file, an\n"
          "entry the checks refuse (the reason on stderr), or a file that could not\n"
          "be written (nothing is saved then).\n",
          RunAddPlayer};
}

}  // namespace hrs::cli
