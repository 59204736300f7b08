#include <filesystem>
#include <sstream>

#include "cli/answering_dialogs.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/control/control_centre_form.h"
#include "core/control/tournament_collection.h"
#include "core/data/registry_file.h"
#include "core/platform/clock.h"
#include "core/text/numeric.h"

namespace hrs::cli {

namespace {

constexpr int ExitStopped = 3;
constexpr const char* Name = "add-tournament";

bool Registered(const DataLocation& where, int year, const std::string& file) {
  for (const auto& name : ReadRegistry(where, year))
    if (EqualsNoCase(name, file)) return true;
  return false;
}

int RunAddTournament(CliContext& ctx) {
  bool addUnknown = false, recognizedOnly = false;
  std::vector<std::string> files;
  for (const auto& a : ctx.args) {
    if (a == "--add-unknown") addUnknown = true;
    else if (a == "--recognized-only") recognizedOnly = true;
    else if (a.rfind("--", 0) == 0) return UnexpectedArgument(ctx, Name, a);
    else files.push_back(a);
  }
  if (files.size() != 1) {
    ctx.err << "hrs-cli add-tournament: give one tournament file (see hrs-cli add-tournament --help)\n";
    return ExitUsage;
  }
  const std::string file = std::filesystem::path(files[0]).filename().string();

  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClubIsFine)) return ExitDataProblem;

  // The candidate list, without its messages: the file named is looked for in it.
  ControlCentreForm form;
  std::ostringstream listing;
  AnsweringDialogs quiet(listing, [](const std::string&, Buttons) { return Answer::Cancel; });
  Option3Click(form, db, quiet, ctx.clock);
  int line = -1;
  for (size_t i = 0; i < form.List3.lines.size(); ++i)
    if (EqualsNoCase(FileOfCandidateLine(form.List3.lines[i].line), file)) line = static_cast<int>(i);
  if (line < 0) {
    if (Registered(db.location, db.setup.RatingYear, file)) ctx.err << RegisteredAlready << "\n";
    else
      ctx.err << "hrs-cli add-tournament: no tournament file " << file << " in " << db.location.DataDir().string()
              << " (the names begin with RQTP or RHRS)\n";
    return ExitDataProblem;
  }

  std::ostringstream said;
  AnsweringDialogs dialogs(
      said,
      [&](const std::string& text, Buttons) {
        if (text == ParticipantsFailure) {
          if (recognizedOnly) return Answer::Ok;
          dialogs.stoppedAt = text;
          return Answer::Cancel;
        }
        if (text == AddNowQuestion) return Answer::Yes;
        return Answer::Cancel;
      },
      {UnknownPlayersMessage(0).substr(1)});
  List3DblClick(form, db, dialogs, ctx.clock, line);
  if (form.Command3.enabled && form.mode == ControlMode::AddTournament) {
    said << form.List2.lines.size() << " unknown player(s) in the tournament:\n";
    for (const auto& item : form.List2.lines) said << item.line << "\n";
    if (addUnknown)
      for (int i = 0; i < static_cast<int>(form.List2.lines.size()); ++i) List2Click(form, i);
    else
      said << "(not added; --add-unknown adds them)\n";
    Command3Click(form, db, dialogs, ctx.clock);
  }

  if (!dialogs.stoppedAt.empty()) {
    ctx.err << ConsoleText(dialogs.stoppedAt) << "\n"
            << "Nothing was written; --recognized-only adds the results of the recognized players only.\n";
    return ExitStopped;
  }
  const bool done = Registered(db.location, db.setup.RatingYear, file);
  (done ? ctx.out : ctx.err) << said.str();
  return done ? ExitOk : ExitDataProblem;
}

}  // namespace

Command AddTournamentCommand() {
  return {Name, "validate a tournament result file and register it, as Add Tournament",
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
          RunAddTournament};
}

}  // namespace hrs::cli
