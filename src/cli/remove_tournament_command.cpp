#include <sstream>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/control/tournament_removal.h"
#include "core/platform/question_names.h"

namespace hrs::cli {

namespace {

int RunRemoveTournament(CliContext& ctx) {
  if (ctx.args.Positionals().size() != 1)
    return UsageError(ctx, "give the name of one registered file (see hrs-cli remove-tournament --help)");
  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;

  // The command line is the operator's confirmation.
  std::ostringstream said;
  ConsoleDialogs dialogs(said, {{question::TournamentRemoval, true, true}}, false);
  const bool removed =
      RemoveTournament(db, db.setup.RatingYear, ctx.args.Positionals()[0], dialogs) == TournamentRemoval::Removed;
  (removed ? ctx.out : ctx.err) << said.str();
  return removed ? ExitOk : ExitDataProblem;
}

}  // namespace

Command RemoveTournamentCommand() {
  return {"remove-tournament",
          "take a tournament file out of the year's registry, as Remove Tournament",
          "Usage: hrs-cli [--data DIR] remove-tournament NAME\n\n"
          "Removes NAME (such as RQTP0042.DAT) from the file of rating adjusting\n"
          "tournaments of the rating year, as the Control Centre's Remove\n"
          "Tournament does; the tournament file itself stays where it is and can\n"
          "be added again. Prints the message of the window.\n\n"
          "Exit status: 0 removed; 1 wrong arguments; 2 not registered, or the\n"
          "registry could not be read or written (nothing changed).\n",
          {{}, AnyNumber},
          RunRemoveTournament};
}

}  // namespace hrs::cli
