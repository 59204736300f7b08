#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/control/result_entry.h"
#include "core/platform/question_names.h"
#include "core/text/numeric.h"

namespace hrs::cli {

namespace {

int RunAddResult(CliContext& ctx) {
  std::string date = Yyyymmdd(ctx.clock.Today());
  for (const auto& given : ctx.args.Flags()) {
    if (given.name != "--date") continue;
    date = given.value;
    if (date.size() != 8 || !IsNumeric(date) || date[0] == '+' || date[0] == '-')
      return UsageError(ctx, "--date takes a date YYYYMMDD, not \"" + date + "\"");
  }
  const auto& ids = ctx.args.Positionals();
  if (ids.size() != 2) return UsageError(ctx, "give the winner and the loser (see hrs-cli add-result --help)");

  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Refused)) return ExitDataProblem;
  if (db.players.PlayerCount < 1) {
    ctx.err << "No players in database\n";
    return ExitDataProblem;
  }

  ConsoleDialogs dialogs(ctx.err, {{question::DeletedPlayer, ctx.args.Has("--deleted-ok")}});
  const ResultEntry entry{date.substr(0, 4),     date.substr(4, 2), date.substr(6, 2), ids[0], ids[1],
                          ctx.args.Has("--draw")};
  const ResultEntryOutcome out = SaveResultEntry(entry, db, dialogs, ctx.clock);
  using Kind = ResultEntryOutcome::Kind;
  switch (out.kind) {
    case Kind::Saved:
      ctx.out << out.fileName << "\n";
      return ExitOk;
    case Kind::Cancelled:
      ctx.err << "hrs-cli add-result: not saved; --deleted-ok takes the result of a deleted player\n";
      return ExitStopped;
    case Kind::Refused:
      // The window says most refusals with the focus alone.
      if (dialogs.MessagesShown() == 0) ctx.err << ConsoleText(out.reason) << "\n";
      ctx.err << "Nothing was written.\n";
      return ExitDataProblem;
    case Kind::Future:
    case Kind::NotWritten:
      ctx.err << "Nothing was written.\n";
      return ExitDataProblem;
  }
  return ExitDataProblem;
}

}  // namespace

Command AddResultCommand() {
  return {"add-result",
          "enter one duel result, as the Control Centre's keyboard entry",
          "Usage: hrs-cli [--data DIR] add-result [--date YYYYMMDD] WINNER LOSER [--draw] [--deleted-ok]\n\n"
          "Checks and files one duel as the Control Centre's Add Results Keyboard\n"
          "does, and appends it to the month file of its date (created when\n"
          "missing). Prints the name of that month file.\n\n"
          "  WINNER, LOSER   below 10000 a Sys Id, from 10000 a membership number\n"
          "                  (written as the Sys Id of the lowest Sys Id holding it)\n"
          "  --date YYYYMMDD the date of the duel (default today); the year from\n"
          "                  1996, not before the year before the rating year and\n"
          "                  not in the future; any day 1 to 31 of a month\n"
          "  --draw          the two drew; without it the winner won\n"
          "  --deleted-ok    answer OK when a Sys Id is of a deleted player; without\n"
          "                  it such a result is not saved\n\n"
          "Exit status: 0 saved; 1 wrong arguments; 2 refused (the reason on stderr),\n"
          "a missing or damaged file, or a month file that could not be written;\n"
          "3 stopped at the question for a deleted player. Nothing is written unless\n"
          "the result is saved.\n",
          {{{"--date", "needs a date YYYYMMDD"}, {"--draw"}, {"--deleted-ok"}}, 2},
          RunAddResult};
}

}  // namespace hrs::cli
