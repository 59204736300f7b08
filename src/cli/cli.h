#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "core/data/data_location.h"
#include "core/data/installation_settings.h"
#include "core/platform/clock.h"

namespace hrs::cli {

// Exit statuses of hrs-cli.
inline constexpr int ExitOk = 0;
inline constexpr int ExitUsage = 1;
inline constexpr int ExitDataProblem = 2;
inline constexpr int ExitStopped = 3;  // at a question that no flag answered
inline constexpr int ExitInputErrors = 4;

struct CliContext {
  DataLocation location;
  Arguments args;  // the command's own arguments
  std::ostream& out;
  std::ostream& err;
  const Clock& clock;
  std::string_view command;  // its name
};

struct Command {
  const char* name;
  const char* summary;
  const char* help;  // the text of "hrs-cli COMMAND --help"
  ArgumentSpec arguments;
  std::function<int(CliContext&)> run;
};

// The commands of hrs-cli, in the order --help lists them.
const std::vector<Command>& Commands();

// Runs one command with its arguments: its help, a usage error (exit
// status 1), or its run, which a question no flag answers stops.
int RunCommand(const Command& command, const std::vector<std::string>& args, DataLocation location, std::ostream& out,
               std::ostream& err, const Clock& clock);

// Runs hrs-cli with its arguments (without the program name). The data lives
// where the installation settings say, unless --data names a directory.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const Clock& clock,
           const InstallationSettings& settings = {});

}  // namespace hrs::cli
