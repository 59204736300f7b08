#include "cli/cli.h"

#include <algorithm>
#include <filesystem>

#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/data/database.h"

namespace hrs::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      StatusCommand(),
      InitCommand(),
      CalculateCommand(),
      RankingCommand(),
      AddResultCommand(),
      OverviewCommand(),
      CountCommand(),
      ShowCommand(),
      PrintCommand(),
      AddPlayerCommand(),
      DeletePlayerCommand(),
      SearchCommand(),
      ResultsCommand(),
      DeleteResultCommand(),
      NewYearCommand(),
      ResetRatingsCommand(),
      ImportCommand(),
      AddTournamentCommand(),
      RemoveTournamentCommand(),
      PreregisterCommand(),
  };
  return commands;
}

namespace {

void ProgramHelp(std::ostream& out) {
  out << ProductTitle << " - command line\n\n"
      << "Usage: hrs-cli [--data DIR] COMMAND [OPTIONS]\n\n"
      << "  --data DIR   the data directory (default: the current directory)\n"
      << "  --help       this text; COMMAND --help tells about one command\n\n"
      << "Commands:\n";
  size_t width = 0;
  for (const auto& c : Commands()) width = std::max(width, std::string(c.name).size() + 2);
  for (const auto& c : Commands()) out << "  " << c.name << std::string(width - std::string(c.name).size(), ' ')
                                       << c.summary << "\n";
}

}  // namespace

int RunCommand(const Command& command, const std::vector<std::string>& args, DataLocation location, std::ostream& out,
               std::ostream& err, const Clock& clock) {
  if (AsksForHelp(args)) {
    out << command.help;
    return ExitOk;
  }
  auto parsed = ParseArguments(command.name, command.arguments, args, err);
  if (!parsed) return ExitUsage;
  CliContext ctx{std::move(location), std::move(*parsed), out, err, clock, command.name};
  try {
    return command.run(ctx);
  } catch (const UnansweredQuestion& q) {
    err << ConsoleText(q.text) << "\nhrs-cli " << command.name << ": stopped at a question that no flag answers\n";
    return ExitStopped;
  }
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const Clock& clock,
           const InstallationSettings& settings) {
  DataLocation location = LocateData(std::filesystem::current_path(), settings);
  size_t i = 0;
  for (; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      ProgramHelp(out);
      return ExitOk;
    }
    if (args[i] == "--data") {
      if (i + 1 >= args.size()) {
        err << "hrs-cli: --data needs a directory\n";
        return ExitUsage;
      }
      std::error_code ec;
      location.dataDir = std::filesystem::absolute(args[++i], ec);
      location.dataInQtpDir = false;
      if (ec || !std::filesystem::is_directory(location.dataDir, ec)) {
        err << "hrs-cli: no such directory: " << args[i] << "\n";
        return ExitDataProblem;
      }
      continue;
    }
    break;
  }
  if (i >= args.size()) {
    ProgramHelp(err);
    return ExitUsage;
  }
  const std::string name = args[i];
  for (const auto& c : Commands())
    if (name == c.name)
      return RunCommand(c, {args.begin() + static_cast<long>(i) + 1, args.end()}, location, out, err, clock);
  err << "hrs-cli: unknown command \"" << name << "\"\n";
  ProgramHelp(err);
  return ExitUsage;
}

}  // namespace hrs::cli
