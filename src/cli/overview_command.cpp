#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/control/file_overview.h"
#include "core/control/result_overview.h"
#include "core/data/file_io.h"
#include "core/data/transaction_names.h"
#include "core/text/numeric.h"

namespace hrs::cli {

namespace {

int RunOverview(CliContext& ctx) {
  int month = 0;
  for (const auto& given : ctx.args.Flags()) {
    const auto value = NumericValue(given.value);
    if (!value || *value < 1 || *value > 12) return UsageError(ctx, "--month takes a month from 1 to 12");
    month = static_cast<int>(*value);
  }
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;

  if (month == 0) {
    // The registry is made where it is missing, as the window makes it.
    DataLock lock;
    if (!FileExists(db.location.DataPath(RegistryFileName(db.setup.RatingYear))) && !LockForWriting(ctx, lock))
      return ExitDataProblem;
    const FileOverview files = BuildFileOverview(db, MissingRegistry::Create);
    if (files.registryProblem) ctx.err << *files.registryProblem << "\n";
    for (const auto& line : files.lines) ctx.out << line << "\n";
    ctx.out << "\n";
    for (const auto& line : CompanionFileLines(db.location)) ctx.out << line << "\n";
    return ExitOk;
  }
  ConsoleDialogs dialogs(ctx.err);
  const ResultOverview overview = RunResultOverview(db, db.setup.RatingYear, month, dialogs);
  if (overview.lines.empty()) {
    ctx.out << NoResultsToShow << "\n";
    return ExitOk;
  }
  ctx.out << ResultOverviewHeader << "\n";
  for (const auto& line : overview.lines) ctx.out << line << "\n";
  return ExitOk;
}

}  // namespace

Command OverviewCommand() {
  return {"overview",
          "the Control Centre's file overview, or the result overview of a month",
          "Usage: hrs-cli [--data DIR] overview [--month M]\n\n"
          "Without --month: the File Overview of the rating year, the registered\n"
          "tournament files and the month files that exist, then (after an empty\n"
          "line) the companion program's tournament files in the directory.\n"
          "With --month M (1 to 12): the Result Overview of that month, every duel\n"
          "of the registered tournaments dated in it and of its month file, under\n"
          "the column header; or \"No results to show\".\n"
          "The File Overview makes the year's file of rating adjusting tournaments\n"
          "(holding \"No QTP files\") where it is missing, as the window does;\n"
          "nothing else is written.\n",
          {{{"--month", "takes a month from 1 to 12"}}},
          RunOverview};
}

}  // namespace hrs::cli
