#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/utilities/new_year.h"

namespace hrs::cli {

namespace {

constexpr const char* Name = "new-year";

int RunNewYear(CliContext& ctx) {
  int carry = -1;
  for (const auto& a : ctx.args) {
    if ((a == "--carry" || a == "--no-carry") && carry < 0) carry = a == "--carry" ? 1 : 0;
    else return UnexpectedArgument(ctx, Name, a);
  }
  if (carry < 0) {
    ctx.err << "hrs-cli new-year: say --carry or --no-carry (see hrs-cli new-year --help)\n";
    return ExitUsage;
  }
  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClubIsFine)) return ExitDataProblem;
  std::vector<std::string> goOn = {"Please confirm shift of rating year"};
  if (carry == 1) goOn.push_back("Do you want to carry");
  ConsoleDialogs dialogs(ctx.err, goOn);
  switch (RunNewYearConversion(db, dialogs, ctx.clock)) {
    case NewYear::Done: return ExitOk;
    case NewYear::Declined: return 3;
    case NewYear::WrongClock:
    case NewYear::Failed: break;
  }
  return ExitDataProblem;
}

}  // namespace

Command NewYearCommand() {
  return {Name, "move the database to the next rating year, as the Utilities do",
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
          RunNewYear};
}

}  // namespace hrs::cli
