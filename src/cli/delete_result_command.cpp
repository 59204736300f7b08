#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/text/numeric.h"
#include "core/utilities/rating_adjustments.h"

namespace hrs::cli {

namespace {

constexpr const char* Name = "delete-result";

int RunDeleteResult(CliContext& ctx) {
  bool draw = false;
  std::vector<std::string> values;
  for (const auto& a : ctx.args) {
    if (a == "--draw") draw = true;
    else if (a.size() > 1 && a[0] == '-' && a[1] == '-') return UnexpectedArgument(ctx, Name, a);
    else if (values.size() < 3) values.push_back(a);
    else return UnexpectedArgument(ctx, Name, a);
  }
  if (values.size() != 3) {
    ctx.err << "hrs-cli delete-result: give the date, the winner and the loser (see hrs-cli delete-result --help)\n";
    return ExitUsage;
  }
  const std::string& date = values[0];
  if (date.size() != 8 || date.find_first_not_of("0123456789") != std::string::npos) {
    ctx.err << "hrs-cli delete-result: the date is YYYYMMDD, not \"" << date << "\"\n";
    return ExitUsage;
  }
  for (size_t i = 1; i < 3; ++i)
    if (Trim(values[i]).empty() || Trim(values[i]).size() > 8 || values[i].find_first_of("\"\r\n") != std::string::npos) {
      ctx.err << "hrs-cli delete-result: \"" << values[i] << "\" is no player id\n";
      return ExitUsage;
    }

  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClubIsFine)) return ExitDataProblem;
  // The line the Utilities list shows for the winner's result.
  const std::string line = AdjustmentLine(date, values[2], draw ? " DRAW " : " WON  ", "", values[1]);
  ConsoleDialogs dialogs(ctx.err, {"Please confirm deletion"});
  switch (DeleteResultLine(db, line, dialogs)) {
    case ResultDeletion::Deleted: return ExitOk;
    case ResultDeletion::Cancelled: return 3;
    case ResultDeletion::NotFound:
    case ResultDeletion::Failed: break;
  }
  return ExitDataProblem;
}

}  // namespace

Command DeleteResultCommand() {
  return {Name, "delete one filed result from its month file, as the Utilities do",
          "Usage: hrs-cli [--data DIR] delete-result DATE WINNER LOSER [--draw]\n\n"
          "Deletes the first line of the rating year's month file of DATE that files\n"
          "this result, as the Utilities' Delete transaction: same date, WINNER as\n"
          "the first id and LOSER as the second; with --draw a draw of the two in\n"
          "either order. The ids as they are filed (a Sys Id or a membership number).\n"
          "Results of tournament files cannot be deleted here: correct the tournament.\n\n"
          "  DATE     YYYYMMDD\n"
          "  --draw   the two drew\n\n"
          "Exit status: 0 deleted; 1 wrong arguments; 2 \"Transaction not found in a\n"
          "month file\", the month file could not be written (it is left as it was),\n"
          "or a missing or damaged file.\n",
          RunDeleteResult};
}

}  // namespace hrs::cli
