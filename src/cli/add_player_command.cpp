#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/players/player_entry.h"
#include "core/text/code_page.h"

namespace hrs::cli {

namespace {

constexpr const char* Usage =
    "Usage: hrs-cli [--data DIR] add-player NAME (--mbship N | --no-mbship) [--info TEXT] [--rating R]\n";

int RunAddPlayer(CliContext& ctx) {
  int mbShipFlags = 0;
  for (const auto& given : ctx.args.Flags()) mbShipFlags += given.name == "--mbship" || given.name == "--no-mbship";
  if (mbShipFlags > 1) return UsageError(ctx, "give --mbship N or --no-mbship, once");
  if (ctx.args.Positionals().empty() || mbShipFlags == 0) {
    ctx.err << Usage;
    return ExitUsage;
  }
  // The fields of the window's new-player mode; an info left out is the
  // empty field, as the window stores it.
  PlayerEntry entry;
  entry.mode = PlayerMode::NewPlayer;
  // A terminal in the Windows code page gives its letters as they are typed.
  entry.text2 = TextFromFile(ctx.args.Positionals()[0]);
  entry.text3 = TextFromFile(ctx.args.Value("--info").value_or(""));
  entry.Check2 = ctx.args.Has("--no-mbship");
  entry.text4 = ctx.args.Value("--mbship").value_or("");
  const std::optional<std::string> rating = ctx.args.Value("--rating");

  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;
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
  return {
      "add-player",
      "enter a new player",
      "Usage: hrs-cli [--data DIR] add-player NAME (--mbship N | --no-mbship) [--info TEXT] [--rating R]\n\n"
      "Enters a new player as the player database window does in its new-player\n"
      "mode, with the same checks and messages, and prints the new Sys Id.\n"
      "The player's line is appended to the player file and his statistics\n"
      "row starts from his start rating. Works on a club with no players yet.\n\n"
      "  --mbship N     the membership number (5 to 8 digits; 1 means none)\n"
      "  --no-mbship    the player has no membership number (999999 is stored)\n"
      "  --info TEXT    the free info text (without it the info is empty)\n"
      "  --rating R     the start rating, from the setup's first rating to 2099\n"
      "                 (default: the first rating)\n\n"
      "Exit status: 0 entered; 1 wrong arguments; 2 a missing or damaged file, an\n"
      "entry the checks refuse (the reason on stderr), or a file that could not\n"
      "be written (nothing is saved then).\n",
      {{{"--mbship", "needs a value"}, {"--no-mbship"}, {"--info", "needs a value"}, {"--rating", "needs a value"}}, 1},
      RunAddPlayer};
}

}  // namespace hrs::cli
