#include <sstream>

#include "cli/answering_dialogs.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/control/control_centre_form.h"
#include "core/control/tournament_collection.h"
#include "core/text/numeric.h"

namespace hrs::cli {

namespace {

constexpr const char* Name = "remove-tournament";

int RunRemoveTournament(CliContext& ctx) {
  std::vector<std::string> names;
  for (const auto& a : ctx.args) {
    if (a.rfind("--", 0) == 0) return UnexpectedArgument(ctx, Name, a);
    names.push_back(a);
  }
  if (names.size() != 1) {
    ctx.err << "hrs-cli remove-tournament: give the name of one registered file (see hrs-cli remove-tournament --help)\n";
    return ExitUsage;
  }
  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClubIsFine)) return ExitDataProblem;

  std::ostringstream said;
  AnsweringDialogs dialogs(said, [](const std::string& text, Buttons) {
    return text.rfind("Please confirm removal of tournament ", 0) == 0 ? Answer::Ok : Answer::Cancel;
  });
  ControlCentreForm form;
  Option4Click(form, db, dialogs, ctx.clock);
  if (dialogs.Shown(RegistryNotOpened)) {
    ctx.err << said.str();
    return ExitDataProblem;
  }
  int line = -1;
  for (size_t i = 0; i < form.List1.lines.size(); ++i)
    if (EqualsNoCase(FileOfCandidateLine(form.List1.lines[i].line), names[0])) line = static_cast<int>(i);
  if (line < 0) {
    ctx.err << names[0] << " is not in the file of rating adjusting tournaments of " << db.setup.RatingYear << "\n";
    return ExitDataProblem;
  }
  said.str("");
  form.List1.selected = {line};
  form.List1.listIndex = line;
  Command1Click(form, db, dialogs, ctx.clock);
  const bool done = form.mode == ControlMode::FileOverview;
  (done ? ctx.out : ctx.err) << said.str();
  return done ? ExitOk : ExitDataProblem;
}

}  // namespace

Command RemoveTournamentCommand() {
  return {Name, "take a tournament file out of the year's registry, as Remove Tournament",
          "Usage: hrs-cli [--data DIR] remove-tournament NAME\n\n"
          "Removes NAME (such as RQTP0042.DAT) from the file of rating adjusting\n"
          "tournaments of the rating year, as the Control Centre's Remove\n"
          "Tournament does; the tournament file itself stays where it is and can\n"
          "be added again. Prints the message of the window.\n\n"
          "Exit status: 0 removed; 1 wrong arguments; 2 not registered, or the\n"
          "registry could not be read or written (nothing changed).\n",
          RunRemoveTournament};
}

}  // namespace hrs::cli
