#pragma once
#include "cli/cli.h"

namespace hrs::cli {

// One function per command, each in its own file.
Command StatusCommand();
Command InitCommand();
Command CalculateCommand();
Command RankingCommand();
Command AddResultCommand();
Command OverviewCommand();
Command CountCommand();
Command ShowCommand();
Command PrintCommand();
Command AddPlayerCommand();
Command DeletePlayerCommand();
Command SearchCommand();
Command ResultsCommand();
Command DeleteResultCommand();
Command NewYearCommand();
Command ResetRatingsCommand();
Command ImportCommand();
Command AddTournamentCommand();
Command RemoveTournamentCommand();
Command PreregisterCommand();

}  // namespace hrs::cli
