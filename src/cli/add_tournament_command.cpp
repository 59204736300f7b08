#include <filesystem>
#include <sstream>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/control/tournament_adding.h"
#include "core/platform/question_names.h"

namespace hrs::cli {

namespace {

int RunAddTournament(CliContext& ctx) {
  if (ctx.args.Positionals().size() != 1)
    return UsageError(ctx, "give one tournament file (see hrs-cli add-tournament --help)");
  const std::string name = std::filesystem::path(ctx.args.Positionals()[0]).filename().string();

  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;

  const TournamentOffer offer = OfferedTournament(db, name);
  if (offer.offer == Offer::RegisteredAlready) {
    ctx.err << RegisteredAlready << "\n";
    return ExitDataProblem;
  }
  if (offer.offer == Offer::NotInDirectory) {
    ctx.err << "hrs-cli add-tournament: no tournament file " << name << " in " << db.location.DataDir().string()
            << " (the names begin with RQTP or RHRS)\n";
    return ExitDataProblem;
  }

  // The window's messages, printed once the outcome is known.
  std::ostringstream said;
  const bool recognizedOnly = ctx.args.Has("--recognized-only");
  ConsoleDialogs dialogs(said, {{question::RecognizedPlayersOnly, recognizedOnly, true}}, false);
  const auto checked = CheckTournamentToAdd(db, offer.file, dialogs);
  if (!checked && dialogs.Declined(question::RecognizedPlayersOnly)) {
    ctx.err << ConsoleText(ParticipantsFailure) << "\n"
            << "Nothing was written; --recognized-only adds the results of the recognized players only.\n";
    return ExitStopped;
  }
  bool done = false;
  if (checked) {
    const auto unknown = checked->own ? std::optional<UnknownPlayerLines>(UnknownPlayerLines{})
                                      : FindUnknownTournamentPlayers(*checked, db, dialogs);
    AddedPlayers added;
    if (unknown && !unknown->lines.empty()) {
      const auto lines = DistinctLines(unknown->lines);
      said << lines.size() << " unknown player(s) in the tournament:\n";
      for (const auto& item : lines) said << item.line << "\n";
      if (ctx.args.Has("--add-unknown")) {
        added = AddUnknownPlayers(db, checked->file, checked->participants, lines, dialogs);
        if (added.error) dialogs.Message(*added.error, Buttons::Ok, Icon::Critical);
      } else {
        said << "(not added; --add-unknown adds them)\n";
      }
    }
    if (unknown && !added.error) {
      const RegisteredTournament registered = RegisterTournament(*checked, db, dialogs);
      TellRegistration(*checked, registered, dialogs);
      done = !registered.error;
    }
  }
  (done ? ctx.out : ctx.err) << said.str();
  return done ? ExitOk : ExitDataProblem;
}

}  // namespace

Command AddTournamentCommand() {
  return {"add-tournament",
          "validate a tournament result file and register it, as Add Tournament",
          "Usage: hrs-cli [--data DIR] add-tournament FILE [--add-unknown] [--recognized-only]\n\n"
          "Adds a tournament result file as the Control Centre's Add Tournament\n"
          "does. FILE is a file of the directory Add Tournament looks in (the\n"
          "companion program's directory when the data are kept there): \"RQTP\"\n"
          "+ code + \".DAT\" of the companion Swiss program, validated in place\n"
          "(membership numbers become Sys Ids, results that cannot be attributed\n"
          "are bypassed), or a small tournament's \"RHRS\" file, registered as it\n"
          "stands. Prints the messages of the window.\n\n"
          "  --add-unknown      add every participant the player file does not know\n"
          "                     (FirstRating, the tournament code as info); without\n"
          "                     it nobody is added and their results count with 999999\n"
          "  --recognized-only  go on when the tournament's setup or participants\n"
          "                     file is missing or unreadable\n\n"
          "Exit status: 0 added; 1 wrong arguments; 2 refused (not in the directory,\n"
          "registered already, a file date of another year, a file that could not\n"
          "be written); 3 stopped at the question for a missing setup or\n"
          "participants file (its text on stderr). Refused, nothing is changed.\n",
          {{{"--add-unknown"}, {"--recognized-only"}}, AnyNumber},
          RunAddTournament};
}

}  // namespace hrs::cli
