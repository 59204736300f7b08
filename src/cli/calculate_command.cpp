#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/platform/question_names.h"
#include "core/rating/calc_form.h"
#include "core/rating/calculate_ratings.h"
#include "core/text/numeric.h"

namespace hrs::cli {

namespace {

int RunCalculate(CliContext& ctx) {
  const std::optional<std::string> fromText = ctx.args.Value("--from"), toText = ctx.args.Value("--to");

  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  // Creation and repair questions are refused: nothing is made up here.
  if (!LoadForCommand(ctx, db, EmptyClub::Refused)) return ExitDataProblem;
  if (db.players.PlayerCount < 2) {
    ctx.err << "Less than 2 players in database\n";
    return ExitDataProblem;
  }
  // The months as typed into the window, under the window's checks.
  CalcForm form;
  CalcFormLoad(form, db, ctx.clock);
  if (fromText) form.Text2.text = *fromText;
  if (toText) form.Text3.text = *toText;
  const auto period = CheckPeriod(form, ctx.clock);
  if (!period) {
    const bool start = form.focus == "Text2";
    ctx.err << "hrs-cli calculate: " << (start ? "--from" : "--to") << " takes a month from 1 to 12, not \""
            << (start ? form.Text2.text : form.Text3.text) << "\"\n";
    return ExitUsage;
  }
  const int from = period->start, to = period->end;
  if (fromText && NumericValue(*fromText) != from)
    ctx.err << "hrs-cli calculate: the start month " << *fromText << " is taken as " << from << "\n";
  if (toText && NumericValue(*toText) != to)
    ctx.err << "hrs-cli calculate: the end month " << *toText << " is taken as " << to << "\n";
  if (from > to) {
    ctx.err << "hrs-cli calculate: the start month " << from << " is after the end month " << to << "\n";
    return ExitUsage;
  }

  ConsoleDialogs dialogs(ctx.err, {{question::UnvalidatedTournament, ctx.args.Has("--skip-unvalidated")}});
  const CalculationOutcome outcome = CalculateRatings(db, from, to, dialogs, ctx.clock);
  if (outcome.stopped) {
    ctx.err << "hrs-cli calculate: stopped at a tournament file that is not validated; nothing was written\n";
    return ExitStopped;
  }
  if (!outcome.writeErrors.empty()) {
    ctx.err << ConsoleText(outcome.report) << "\n";
    return ExitDataProblem;
  }
  ctx.out << ConsoleText(outcome.report) << "\n";
  return ExitOk;
}

}  // namespace

Command CalculateCommand() {
  return {"calculate",
          "calculate the ratings of the rating year",
          "Usage: hrs-cli [--data DIR] calculate [--from M] [--to M] [--skip-unvalidated]\n\n"
          "Rates every filed result of the rating year month by month, as the\n"
          "Calculate Ratings window does: the registered tournament files and the\n"
          "month files from the start month to the end month. Writes the ratings,\n"
          "the won/drawn/lost counts and the month-end ratings back, saves the\n"
          "player file and the rating statistics, and prints the report.\n\n"
          "  --from M             start month (default 1; a month outside 1 to 12 is\n"
          "                       taken as 1, as in the window); from a later month the\n"
          "                       ratings stored for the end of the month before\n"
          "                       are the starting point\n"
          "  --to M               end month (default the current month, or 12 when\n"
          "                       the rating year is an earlier year; a month outside\n"
          "                       1 to 12 is taken as 12)\n"
          "  --skip-unvalidated   leave out a registered tournament file that is\n"
          "                       not validated and go on; without it such a file\n"
          "                       stops the calculation with nothing written\n\n"
          "Exit status: 0 done; 1 wrong arguments; 2 a missing or damaged file, fewer\n"
          "than 2 players, or a file that could not be saved; 3 stopped at a\n"
          "tournament file that is not validated.\n",
          {{{"--from", "needs a month (1 to 12)"}, {"--to", "needs a month (1 to 12)"}, {"--skip-unvalidated"}}},
          RunCalculate};
}

}  // namespace hrs::cli
