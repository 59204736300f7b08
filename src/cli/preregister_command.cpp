#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/platform/question_names.h"
#include "core/swiss/export_tournament.h"
#include "core/swiss/workfile.h"

namespace hrs::cli {

namespace {

constexpr const char* Usage =
    "Usage: hrs-cli [--data DIR] preregister CODE WORKFILE (--hrs-ratings | --default-rating) [--started-ok]\n"
    "                                        [--over-maximum-ok]\n";

int RunPreregister(CliContext& ctx) {
  const bool hrsRatings = ctx.args.Has("--hrs-ratings"), defaultRating = ctx.args.Has("--default-rating");
  if (hrsRatings && defaultRating) return UsageError(ctx, "give --hrs-ratings or --default-rating, not both");
  const int ratings = hrsRatings ? 1 : defaultRating ? 2 : 0;
  const auto& names = ctx.args.Positionals();
  if (names.size() != 2 || ratings == 0 || TournamentCode(names[0]).empty()) {
    ctx.err << Usage;
    return ExitUsage;
  }

  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Refused)) return ExitDataProblem;
  if (db.players.PlayerCount < 1) {
    ctx.err << "No players in database\n";
    return ExitDataProblem;
  }

  const WorkfileRead read = ReadWorkfile(names[1], db.players.PlayerCount);
  if (!read.content) {
    ctx.err << ConsoleText(read.problem) << "\n";
    return ExitDataProblem;
  }
  if (read.content->dropped > 0) ctx.err << ConsoleText(DroppedLinesNote(read.content->dropped)) << "\n";
  // The player lines as the window's list holds them.
  SortedList list;
  list.AddAll(read.content->players);
  std::vector<SortedList::Item> selected = list.Items();

  ConsoleDialogs dialogs(ctx.err, {{question::TournamentKind, true},
                                   {question::PreregistrationOverwrite, true},
                                   {question::StartedTournament, ctx.args.Has("--started-ok")},
                                   {question::OverMaximum, ctx.args.Has("--over-maximum-ok")}});
  const ExportOutcome out = ExportToTournament(selected, db, dialogs, {names[0], ratings});
  switch (out.kind) {
    case ExportOutcome::Kind::Written:
      ctx.out << ConsoleText(out.message) << "\n";
      return ExitOk;
    case ExportOutcome::Kind::Cancelled:
      ctx.err << "hrs-cli preregister: nothing written; --started-ok exports to a started tournament, "
                 "--over-maximum-ok beyond its maximum\n";
      return ExitStopped;
    case ExportOutcome::Kind::Refused:
      if (!out.reason.empty()) ctx.err << out.reason << "\n";
      ctx.err << "Nothing was written.\n";
      return ExitDataProblem;
  }
  return ExitDataProblem;
}

}  // namespace

Command PreregisterCommand() {
  return {"preregister",
          "export a workfile's players to a Swiss tournament",
          "Usage: hrs-cli [--data DIR] preregister CODE WORKFILE (--hrs-ratings | --default-rating)\n"
          "                                        [--started-ok] [--over-maximum-ok]\n\n"
          "Exports the selected players of a pre-registration workfile to the\n"
          "pre-registration file CODE + \"delt.pre\" of a tournament of the QTP\n"
          "Swiss-Pairing program, in its directory, as the window \"QTP Swiss\n"
          "Tournament\" does, with the same checks and messages: its tournament\n"
          "state and setup files must be there, duplicates are exported once, a\n"
          "sanctioned tournament gets only players with a membership number, and\n"
          "the reserved slots of the workfile are not exported. Prints the final\n"
          "message.\n\n"
          "  --hrs-ratings       export each player's rating of this system\n"
          "  --default-rating    export 1600 for every player\n"
          "  --started-ok        export to a tournament that has started\n"
          "  --over-maximum-ok   export more players than the tournament's maximum\n\n"
          "Exit status: 0 exported; 1 wrong arguments; 2 a missing or damaged file,\n"
          "or an export the checks refuse (the message on stderr); 3 the tournament\n"
          "has started, or has a lower maximum, and no flag says to go on. Nothing\n"
          "is written unless the export is complete.\n",
          {{{"--hrs-ratings"}, {"--default-rating"}, {"--started-ok"}, {"--over-maximum-ok"}}, 2},
          RunPreregister};
}

}  // namespace hrs::cli
