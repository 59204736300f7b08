#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/data/data_location.h"
#include "core/data/installation_settings.h"
#include "core/platform/clock.h"

namespace hrs::cli {

// Exit statuses of hrs-cli.
inline constexpr int ExitOk = 0;
inline constexpr int ExitUsage = 1;
inline constexpr int ExitDataProblem = 2;

struct CliContext {
  DataLocation location;
  std::vector<std::string> args;  // the command's own arguments
  std::ostream& out;
  std::ostream& err;
  const Clock& clock;
};

struct Command {
  const char* name;
  const char* summary;
  const char* help;  // the text of "hrs-cli COMMAND --help"
  std::function<int(CliContext&)> run;
};

// The commands of hrs-cli, in the order --help lists them.
const std::vector<Command>& Commands();

// Runs hrs-cli with its arguments (without the program name). The data lives
// where the installation settings say, unless --data names a directory.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const Clock& clock,
           const InstallationSettings& settings = {});

}  // namespace hrs::cli
