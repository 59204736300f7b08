#include "cli/command_support.h"

#include "cli/console_dialogs.h"
#include "core/data/file_change.h"
#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/platform/question_names.h"
#include "core/shell/startup.h"

namespace hrs::cli {

int UnexpectedArgument(CliContext& ctx, const std::string& argument) {
  return UsageError(ctx, "unexpected argument \"" + argument + "\"");
}

int UsageError(CliContext& ctx, const std::string& what) {
  ctx.err << "hrs-cli " << ctx.command << ": " << what << "\n";
  return ExitUsage;
}

bool LoadForCommand(CliContext& ctx, Database& db, EmptyClub emptyClub) {
  db.location = ctx.location;
  // A command that writes has finished such a change already; one that only
  // reads shows the files as they are, and says so.
  if (auto notice = InterruptedChangeNotice(db.location.DataDir())) ctx.err << ConsoleText(*notice) << "\n";
  // Going on without players is for an empty club, never for a damaged file,
  // which a command without a screen leaves untouched.
  bool empty = emptyClub == EmptyClub::Fine;
  if (empty) {
    if (auto bytes = ReadWholeFile(db.location.DataPath(PlayerFile)); bytes && IsDamagedPlayerFile(*bytes))
      empty = false;
  }
  ConsoleDialogs dialogs(ctx.err, {{question::SetupCreation},
                                   {question::PlayerFileCreation},
                                   {question::NoPlayers, empty, empty},
                                   {question::StatisticsCreation},
                                   {question::StatisticsNotFound}});
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
