#include "cli/command_support.h"

#include <algorithm>

#include "cli/console_dialogs.h"
#include "core/data/file_change.h"
#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/shell/startup.h"

namespace hrs::cli {

int UnexpectedArgument(CliContext& ctx, const char* command, const std::string& argument) {
  ctx.err << "hrs-cli " << command << ": unexpected argument \"" << argument << "\"\n";
  return ExitUsage;
}

int NoArguments(CliContext& ctx, const char* command) {
  return ctx.args.empty() ? ExitOk : UnexpectedArgument(ctx, command, ctx.args.front());
}

bool LoadForCommand(CliContext& ctx, Database& db, std::vector<std::string> goOnPrefixes) {
  db.location = ctx.location;
  // A command that writes has finished such a change already; one that only
  // reads shows the files as they are, and says so.
  if (auto notice = InterruptedChangeNotice(db.location.DataDir())) ctx.err << ConsoleText(*notice) << "\n";
  // Going on without players is for an empty club, never for a damaged file,
  // which a command without a screen leaves untouched.
  const auto emptyClub = std::find(goOnPrefixes.begin(), goOnPrefixes.end(), EmptyClubIsFine.front());
  if (emptyClub != goOnPrefixes.end()) {
    if (auto bytes = ReadWholeFile(db.location.DataPath(PlayerFile)); bytes && IsDamagedPlayerFile(*bytes))
      goOnPrefixes.erase(emptyClub);
  }
  ConsoleDialogs dialogs(ctx.err, std::move(goOnPrefixes));
  return LoadDatabase(db, dialogs, ctx.clock) == StartupStep::Done;
}

bool LockForWriting(CliContext& ctx, DataLock& lock) {
  const DataLock::Result taken = lock.Take(ctx.location.DataDir());
  if (taken == DataLock::Result::Taken) {
    if (auto told = FinishInterruptedWrites(ctx.location.DataDir())) ctx.err << ConsoleText(*told) << "\n";
  }
  if (taken != DataLock::Result::InUse) return true;
  ctx.err << ConsoleText(DataInUseMessage(ctx.location.DataDir())) << "\nNothing was done.\n";
  return false;
}

}  // namespace hrs::cli
