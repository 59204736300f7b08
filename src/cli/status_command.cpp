#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/shell/status_summary.h"

namespace hrs::cli {

namespace {

int RunStatus(CliContext& ctx) {
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;
  ctx.out << StatusDirectoryText(db.location.DataDir().string(), StatusDirectoryWidth(StatusMoment::StartUp)) << "\n";
  for (const auto& line : StatusSummaryLines(db)) ctx.out << line << "\n";
  return ExitOk;
}

}  // namespace

Command StatusCommand() {
  return {"status",
          "print the status summary of the database",
          "Usage: hrs-cli [--data DIR] status\n\n"
          "Loads the setup, the players and the rating statistics and prints the\n"
          "data directory and the summary of the status window. Nothing is written;\n"
          "a missing or damaged file is reported and the exit status is 2.\n",
          {},
          RunStatus};
}

}  // namespace hrs::cli
