#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/platform/question_names.h"
#include "core/text/numeric.h"
#include "core/utilities/rating_adjustments.h"

namespace hrs::cli {

namespace {

int RunDeleteResult(CliContext& ctx) {
  const auto& values = ctx.args.Positionals();
  if (values.size() != 3)
    return UsageError(ctx, "give the date, the winner and the loser (see hrs-cli delete-result --help)");
  const std::string& date = values[0];
  if (date.size() != 8 || date.find_first_not_of("0123456789") != std::string::npos)
    return UsageError(ctx, "the date is YYYYMMDD, not \"" + date + "\"");
  for (size_t i = 1; i < 3; ++i)
    if (Trim(values[i]).empty() || Trim(values[i]).size() > 8 || values[i].find_first_of("\"\r\n") != std::string::npos)
      return UsageError(ctx, "\"" + values[i] + "\" is no player id");

  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;
  // The command line is the operator's confirmation.
  ConsoleDialogs dialogs(ctx.err, {{question::ResultDeletion, true}});
  switch (DeleteResult(db, ResultOfFields(date, values[1], values[2], ctx.args.Has("--draw")), dialogs)) {
    case ResultDeletion::Deleted: return ExitOk;
    case ResultDeletion::Cancelled:
      return ExitStopped;
    case ResultDeletion::NotFound:
    case ResultDeletion::Failed: break;
  }
  return ExitDataProblem;
}

}  // namespace

Command DeleteResultCommand() {
  return {"delete-result",
          "delete one filed result from its month file, as the Utilities do",
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
          {{{"--draw"}}, 3},
          RunDeleteResult};
}

}  // namespace hrs::cli
