#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "cli/cli.h"

namespace {

std::filesystem::path EnvPath(const char* name) {
  const char* v = std::getenv(name);
  return v && *v ? std::filesystem::path(v) : std::filesystem::path();
}

}  // namespace

int main(int argc, char** argv) {
  hrs::SystemClock clock;
  const auto home = EnvPath("HOME");
  auto configHome = EnvPath("XDG_CONFIG_HOME");
  if (configHome.empty() && !home.empty()) configHome = home / ".config";
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  const auto settings =
      hrs::LoadInstallationSettings(hrs::InstallationFileCandidates(configHome, ec ? "" : program.parent_path()), home);
  for (const auto& p : settings.problems) std::cerr << "hrs-cli: " << settings.source.string() << ": " << p << "\n";
  return hrs::cli::RunCli({argv + 1, argv + argc}, std::cout, std::cerr, clock, settings);
}
