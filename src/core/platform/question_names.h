#pragma once
#include "core/platform/dialogs.h"

// The questions a command of hrs-cli answers, each by its name. A command
// answers only the names it knows; any other question stops it.
namespace hrs::question {

// Loading the database.
inline constexpr QuestionName SetupCreation{"setup-creation"};
inline constexpr QuestionName PlayerFileCreation{"player-file-creation"};
inline constexpr QuestionName NoPlayers{"no-players"};
inline constexpr QuestionName StatisticsCreation{"statistics-creation"};
inline constexpr QuestionName StatisticsNotFound{"statistics-not-found"};

// Results and ratings.
inline constexpr QuestionName DeletedPlayer{"deleted-player"};
inline constexpr QuestionName UnvalidatedTournament{"unvalidated-tournament"};
inline constexpr QuestionName ResultDeletion{"result-deletion"};
inline constexpr QuestionName NewYear{"new-year"};
inline constexpr QuestionName CarryTotals{"carry-totals"};

// Tournament files.
inline constexpr QuestionName RecognizedPlayersOnly{"recognized-players-only"};
inline constexpr QuestionName TournamentRemoval{"tournament-removal"};

// Pre-registration for the companion program.
inline constexpr QuestionName TournamentKind{"tournament-kind"};
inline constexpr QuestionName PreregistrationOverwrite{"preregistration-overwrite"};
inline constexpr QuestionName StartedTournament{"started-tournament"};
inline constexpr QuestionName OverMaximum{"over-maximum"};

// Printouts.
inline constexpr QuestionName SnapshotUpdate{"snapshot-update"};
inline constexpr QuestionName MovementColumns{"movement-columns"};
inline constexpr QuestionName LandscapeNotice{"landscape-notice"};
inline constexpr QuestionName RankingMonth{"ranking-month"};

}  // namespace hrs::question
