#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/data/transaction.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/print_job.h"
#include "core/text/sorted_list.h"

namespace hrs {

// The player whose results are asked for by what was typed: 1..PlayerCount a
// Sys Id, a larger number a membership number (the lowest Sys Id holding it).
enum class PlayerLookup { Found, NotNumeric, NotFound };
struct PlayerForResults {
  PlayerLookup result = PlayerLookup::NotNumeric;
  int sysId = 0;
};
PlayerForResults FindPlayerForResults(const PlayerTable& players, const std::string& typed);

// One result line: date (8), opponent id as filed (8), " WON  " / " LOST " /
// " DRAW ", the first 18 characters of the opponent's name or "Player not in
// base", the player's own id as filed (10).
std::string AdjustmentLine(const std::string& date, const std::string& opponentId, const char* result,
                           const std::string& opponentName, const std::string& ownId);

// Every rating-adjusting result of the player in the rating year: the
// registered tournament files, then the month files 1 to 12; a line counts
// when either id is his Sys Id or his membership number. In the list's text order.
std::vector<SortedList::Item> CollectAdjustments(const Database& db, int sysId);

// "Rating adjustments for:" and the player, for Label2.
std::string AdjustmentsCaption(const Database& db, int sysId);

// The filed transaction a result line stands for, and its month.
struct SelectedResult {
  Transaction transaction;
  int month = 0;
};
std::optional<SelectedResult> ResultOfLine(const std::string& line);
// The same of a result given by its fields: the date (yyyymmdd), the winner
// and the loser as filed, or a draw of the two.
std::optional<SelectedResult> ResultOfFields(const std::string& date, const std::string& winner,
                                             const std::string& loser, bool draw);

// Delete transaction: finds the result's transaction in its month file,
// asks, and deletes the first matching line. Every refusal and failure has
// been told.
enum class ResultDeletion { Deleted, NotFound, Cancelled, Failed };
ResultDeletion DeleteResult(const Database& db, const std::optional<SelectedResult>& selected, Dialogs& dialogs);
// The same for a line of the list.
ResultDeletion DeleteResultLine(const Database& db, const std::string& line, Dialogs& dialogs);

// The printed list of a player's results, lines as on screen. False when
// cancelled at the printer dialog or not printed.
bool PrintAdjustments(const Database& db, int sysId, const std::vector<SortedList::Item>& lines, Dialogs& dialogs,
                      PrintJob& job, const Clock& clock);
// The printed line of one result line.
std::string PrintedAdjustmentLine(const PlayerTable& players, const std::string& line);

inline constexpr const char* NoResultsFound = "No results found";
inline constexpr const char* PlayerNotInBase = "Player not in base";
inline constexpr const char* TransactionNotFound = "Transaction not found in a month file";

}  // namespace hrs
