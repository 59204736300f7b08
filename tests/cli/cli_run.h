#pragma once
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli.h"
#include "core/platform/clock.h"

namespace hrs::test {

// What one hrs-cli run printed and returned.
struct CliRun {
  int status;
  std::string out, err;
};

// hrs-cli run in this process on the club in `dir`, on the tests' clock.
inline CliRun RunCliOn(const std::filesystem::path& dir, std::vector<std::string> args, const Clock& clock) {
  args.insert(args.begin(), {"--data", dir.string()});
  std::ostringstream out, err;
  const int status = cli::RunCli(args, out, err, clock);
  return {status, out.str(), err.str()};
}

}  // namespace hrs::test
