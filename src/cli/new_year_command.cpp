#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/platform/question_names.h"
#include "core/utilities/new_year.h"

namespace hrs::cli {

namespace {

int RunNewYear(CliContext& ctx) {
  const auto& said = ctx.args.Flags();
  if (said.size() > 1) return UnexpectedArgument(ctx, said[1].name);
  if (said.empty()) return UsageError(ctx, "say --carry or --no-carry (see hrs-cli new-year --help)");
  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;
  ConsoleDialogs dialogs(ctx.err, {{question::CarryTotals, said[0].name == "--carry"}, {question::NewYear, true}});
  switch (RunNewYearConversion(db, dialogs, ctx.clock)) {
    case NewYear::Done: return ExitOk;
    case NewYear::Declined:
      return ExitStopped;
    case NewYear::WrongClock:
    case NewYear::Failed: break;
  }
  return ExitDataProblem;
}

}  // namespace

Command NewYearCommand() {
  return {"new-year",
          "move the database to the next rating year, as the Utilities do",
          "Usage: hrs-cli [--data DIR] new-year (--carry | --no-carry)\n\n"
          "The New Year conversion: end ratings become the start ratings of the\n"
          "next year, deleted players become void, and the rating year goes up by\n"
          "one. The player file is kept as player<old year>.hrs for a roll-back,\n"
          "and every file it changes is first copied to backup/yyyymmdd-hhmmss.\n"
          "The player, statistics and setup files change together or not at all.\n"
          "Runs only when the calendar year is the rating year + 1.\n\n"
          "  --carry      add this year's won, drawn and lost to the carried totals\n"
          "  --no-carry   clear the carried totals\n\n"
          "Exit status: 0 done; 1 wrong arguments; 2 refused by the clock check, the\n"
          "files could not be written (nothing changed), or a missing or damaged file.\n",
          {{{"--carry"}, {"--no-carry"}}},
          RunNewYear};
}

}  // namespace hrs::cli
