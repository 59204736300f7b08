#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/control/duel_count.h"

namespace hrs::cli {

namespace {

int RunCount(CliContext& ctx) {
  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Refused)) return ExitDataProblem;
  const DuelCountOutcome count = CountAndKeepDuels(db, ctx.clock);
  if (count.saveError) {
    ctx.err << "The count could not be kept in the setup file: " << *count.saveError << "\n";
    return ExitDataProblem;
  }
  ctx.out << DuelCountText(count.total) << "\n";
  return ExitOk;
}

}  // namespace

Command CountCommand() {
  return {"count",
          "count the duels in the base, as the Control Centre does",
          "Usage: hrs-cli [--data DIR] count\n\n"
          "Counts Count Duels in Base does: every duel of the month files and of\n"
          "the validated registered tournaments of the rating year, from January\n"
          "to the current month (to December for an earlier rating year). Keeps\n"
          "the count in the setup (the status summary's \"Latest count\") and\n"
          "prints it.\n\n"
          "Exit status: 0 done; 1 wrong arguments; 2 a missing or damaged file, or a\n"
          "setup that could not be saved.\n",
          {},
          RunCount};
}

}  // namespace hrs::cli
