#pragma once
#include "core/platform/date_time.h"
#include <optional>
#include <string>

#include "core/data/database.h"
#include "core/data/prev_ranking_file.h"
#include "core/lists/list_view.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/print_job.h"

namespace hrs {

// The ranking list on screen from the players and a previous ranking (rank
// movements only with one).
ListViewContent RankingListView(const Database& db, const std::optional<PrevRanking>& previous);

// View, "Ranking List": the previous ranking read from orank.hrs; nothing
// (after a beep and "No players in database") without players.
std::optional<ListViewContent> ShowRankingList(const Database& db, Dialogs& dialogs);

// What the dynamic printout does about the movement snapshot.
struct SnapshotChoice {
  bool update = false;      // a new snapshot is taken
  bool movements = false;   // the movement columns are printed
  std::optional<PrevRanking> previous;
};

// The questions of the dynamic printout about orank.hrs: the days-since
// question, then the layout question. A missing or unreadable file asks
// nothing: the printout creates it anew, without movements.
SnapshotChoice ChooseSnapshot(const Database& db, Dialogs& dialogs, const Clock& clock);

struct PrintOutcome {
  bool printed = false;
  bool snapshotTaken = false;
};

// Print, "Ranking List, dynamic" (PrintList 1). The snapshot (orank.hrs,
// PrevRating and the player file) is taken only when the printer reports the
// document printed; a cancelled or failed printout changes nothing.
PrintOutcome PrintRankingDynamic(Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock);

// Writes the snapshot: orank.hrs (the time, then the Sys Ids), PrevRating of
// every printed player, the player file. On a failure both stay as they were
// and the operator is told; false then.
bool TakeSnapshot(Database& db, const std::vector<int>& sysIds, const DateTime& taken, Dialogs& dialogs);

// Print, "Ranking List, by month".
bool PrintRankingByMonth(const Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock);

// The checks of the month prompt: the month as a number 1..12 not after the
// current month (January counting as 12), or nothing.
std::optional<int> AcceptedMonth(const std::string& answer, const Clock& clock);


inline constexpr const char* HistoryMissingMessage =
    "Please run 'Calculate Ratings' in order to re-create the history file";
inline constexpr const char* MonthPrompt = "Enter month (jan = 1 etc.)";
inline constexpr const char* SnapshotUpdateTitle = "Old rating/ranking file update";
inline constexpr const char* LayoutTitle = "Ranking List layout";
inline constexpr const char* LayoutQuestion = "Do you wish to print the rating/ranking movements?";
inline constexpr const char* UpdateQuestionEnd =
    " days have passed since you updated the file with\rrating/ranking movements. Do you wish to update this file "
    "now?";

}  // namespace hrs
