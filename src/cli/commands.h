#pragma once
#include "cli/cli.h"

namespace hrs::cli {

// One function per command, each in its own file.
Command StatusCommand();
Command InitCommand();
Command CalculateCommand();
Command RankingCommand();
Command AddPlayerCommand();
Command DeletePlayerCommand();

}  // namespace hrs::cli
