#pragma once
#include "core/platform/date_time.h"
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/platform/dialogs.h"

namespace hrs {

inline constexpr size_t ResultOverviewLimit = 32700;
inline constexpr const char* ResultOverviewHeader = " Day  Winner   Loser Draw";
inline constexpr const char* NoResultsToShow = "No results to show";
inline constexpr const char* ResultOverviewHint = " DblClick month ";
inline constexpr const char* TooManyResultsMessage = "Sorry, too many results\rThe listing stops now";
inline constexpr const char* TooManyResultsTitle = "Big file";
inline constexpr const char* TournamentFilesNotFound = "Tournament file(s) not found\rPlease check File Overview";

struct ResultOverview {
  std::vector<std::string> lines;
  bool tooMany = false;           // stopped at the limit
  bool missingTournament = false; // a registered file could not be opened
};

// Every duel of a month as the rating calculation will take it: the
// validated tournaments of the registry dated in that month (each record with
// the tournament's day), then the month file's records dated in that month.
// Stops at the limit. Nothing is shown or asked.
ResultOverview BuildResultOverview(const Database& db, int year, int month);

// Builds the overview and tells the operator what the Part's messages say:
// a missing tournament file, the limit reached.
ResultOverview RunResultOverview(const Database& db, int year, int month, Dialogs& dialogs);

// One line: the day (2), winner and loser right-aligned in 8, three spaces, the mark.
std::string ResultOverviewLine(const std::string& day, const std::string& winner, const std::string& loser,
                               const std::string& mark);

// "Overview for June 2026"
std::string ResultOverviewCaption(int year, int month);

// The text shown for a clicked overview line: the number of duels, then the
// players' names (a name line is left out when the id names nobody).
std::string DuelDescription(const std::string& line, size_t duelsThisMonth, const PlayerTable& players);

}  // namespace hrs
