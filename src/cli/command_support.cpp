#include "cli/command_support.h"

#include "cli/console_dialogs.h"
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
  ConsoleDialogs dialogs(ctx.err, std::move(goOnPrefixes));
  return LoadDatabase(db, dialogs, ctx.clock) == StartupStep::Done;
}

}  // namespace hrs::cli
