#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/utilities/change_to_default.h"

namespace hrs::cli {

namespace {

int RunResetRatings(CliContext& ctx) {
  if (!ctx.args.Has("--yes")) {
    ctx.err << "This changes all ratings to the default and renames the year's month files .old.\n"
               "Give --yes to make the change.\n";
    return ExitStopped;
  }
  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;
  ConsoleDialogs dialogs(ctx.err);
  return ChangeRatingsToDefault(db, dialogs, ctx.clock) ? ExitOk : ExitDataProblem;
}

}  // namespace

Command ResetRatingsCommand() {
  return {"reset-ratings",
          "change every rating to the default and start the year again, as the Utilities do",
          "Usage: hrs-cli [--data DIR] reset-ratings --yes\n\n"
          "Change ratings to default: every rating and start rating becomes the\n"
          "setup's first rating, counts are cleared, deleted players become void,\n"
          "the tournament registry is emptied and the year's month files and\n"
          "orank.hrs are renamed .old (kept when a .old of that name exists).\n"
          "player, ratstat and the registry are copied to .old first, and every\n"
          "file it changes to backup/yyyymmdd-hhmmss.\n\n"
          "  --yes   make the change (without it nothing is done)\n\n"
          "Exit status: 0 done; 1 wrong arguments; 2 the files could not be written\n"
          "(nothing changed), or a missing or damaged file; 3 --yes not given.\n",
          {{{"--yes"}}},
          RunResetRatings};
}

}  // namespace hrs::cli
