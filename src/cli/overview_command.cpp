#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/control/file_overview.h"
#include "core/control/result_overview.h"
#include "core/text/numeric.h"

namespace hrs::cli {

namespace {

constexpr const char* Name = "overview";

int RunOverview(CliContext& ctx) {
  int month = 0;
  for (size_t i = 0; i < ctx.args.size(); ++i) {
    const std::string& a = ctx.args[i];
    if (a != "--month") return UnexpectedArgument(ctx, Name, a);
    const auto value = i + 1 < ctx.args.size() ? NumericValue(ctx.args[i + 1]) : std::nullopt;
    if (!value || *value < 1 || *value > 12) {
      ctx.err << "hrs-cli overview: --month takes a month from 1 to 12\n";
      return ExitUsage;
    }
    month = static_cast<int>(*value);
    ++i;
  }
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClubIsFine)) return ExitDataProblem;

  if (month == 0) {
    // Read only: a missing registry is not made here.
    const FileOverview files = BuildFileOverview(db, MissingRegistry::LeaveAlone);
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
  return {Name, "the Control Centre's file overview, or the result overview of a month",
          "Usage: hrs-cli [--data DIR] overview [--month M]\n\n"
          "Without --month: the File Overview of the rating year, the registered\n"
          "tournament files and the month files that exist, then (after an empty\n"
          "line) the companion program's tournament files in the directory.\n"
          "With --month M (1 to 12): the Result Overview of that month, every duel\n"
          "of the registered tournaments dated in it and of its month file, under\n"
          "the column header; or \"No results to show\". Nothing is written.\n",
          RunOverview};
}

}  // namespace hrs::cli
