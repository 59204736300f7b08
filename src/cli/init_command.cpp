#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"

namespace hrs::cli {

namespace {

int RunInit(CliContext& ctx) {
  const DataLocation& where = ctx.location;
  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  for (const char* name : {SetupFile, PlayerFile, StatFile}) {
    if (FileExists(where.DataPath(name))) {
      ctx.err << "hrs-cli init: " << where.DataPath(name).string() << " exists already; nothing was written\n";
      return ExitDataProblem;
    }
  }
  const SetupRecord setup = SetupRecord::Created(ctx.clock.Today().year);
  PlayerTable players;
  std::optional<std::string> error = SaveSetup(where, setup);
  if (!error) error = SavePlayers(where, players);
  // No players yet: the statistics file starts empty.
  if (!error) error = WriteFileAtomically(where.DataPath(StatFile), "");
  if (error) {
    // All three or none: a half-made database would block the next init.
    for (const char* name : {SetupFile, PlayerFile, StatFile}) {
      std::error_code ec;
      if (FileExists(where.DataPath(name))) std::filesystem::remove(where.DataPath(name), ec);
    }
    ctx.err << "hrs-cli init: " << *error << "\nNothing was created.\n";
    return ExitDataProblem;
  }
  ctx.out << "Created " << SetupFile << ", " << PlayerFile << " and " << StatFile << " in "
          << where.DataDir().string() << "\n";
  return ExitOk;
}

}  // namespace

Command InitCommand() {
  return {"init",
          "create a new, empty database",
          "Usage: hrs-cli [--data DIR] init\n\n"
          "Creates the setup file (with the values of a new setup for the current\n"
          "year), an empty player file and an empty rating statistics file, as\n"
          "when the three creation questions are answered OK at the first start.\n"
          "Refuses, writing nothing, when any of the three files exists.\n",
          {},
          RunInit};
}

}  // namespace hrs::cli
