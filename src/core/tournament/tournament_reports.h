#pragma once
#include <string>
#include <vector>

#include "core/data/player_record.h"
#include "core/platform/date_time.h"
#include "core/platform/print_job.h"
#include "core/text/sorted_list.h"
#include "core/tournament/output_files.h"
#include "core/tournament/playoff.h"
#include "core/tournament/tournament_tables.h"

namespace hrs {

class Dialogs;

// The second line of every page frame: product, tournament and date in 62
// columns, then "Page n".
std::string TournamentPageLine(const std::string& base, const Date& today, int page);

// The printed reports of dbLocal2, after the printer dialog: each prints its
// pages and ends the document (FinishPrintout). True when printed.
bool PrintGroups(PrintJob& job, Dialogs& dialogs, const SmallTournament& t, const PlayerTable& players, const Date& today);
bool PrintMatchProgram(PrintJob& job, Dialogs& dialogs, const SmallTournament& t, const PlayerTable& players, const Date& today);
// From the qualification list (QualificationLines).
bool PrintStandings(PrintJob& job, Dialogs& dialogs, const SmallTournament& t, const PlayerTable& players, const Date& today);
bool PrintPlayoffSheet(PrintJob& job, Dialogs& dialogs, const SmallTournament& t, const Seeding& seeding, const Date& today);
// The master list, then the tournament report of the matches.
bool PrintSanctionedReports(PrintJob& job, Dialogs& dialogs, const SmallTournament& t, const std::vector<FiledMatch>& matches,
                            const PlayerTable& players, const Date& today);

// The drawing lines of the playoff sheet (5 for 4 players, 11 for 8).
std::vector<std::string> PlayoffSheetLines(const Seeding& seeding);
// The tournament report's lines: up to three matches a line, a new line per round.
std::vector<std::string> TournamentReportLines(const std::vector<FiledMatch>& matches, const PlayerTable& players);

}  // namespace hrs
