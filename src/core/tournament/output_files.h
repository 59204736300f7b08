#pragma once
#include <optional>
#include <string>

#include "core/data/data_location.h"
#include "core/data/player_record.h"
#include "core/platform/date_time.h"
#include "core/text/code_page.h"
#include "core/tournament/tournament_tables.h"
#include "core/data/failure.h"

namespace hrs {

// A round-robin match or a playoff match that went into the outside files.
struct FiledMatch {
  int round = 0;  // round-robin round; rounds + 1 for every playoff match
  int winner = 0;  // Sys Ids; for a draw the first player of the match
  int loser = 0;
  bool draw = false;
};

// Every round-robin match with a result (a recorded 0-0 is a draw), in round
// and table order, then the decided playoff matches of the bracket (none
// when `bracket` is false), in round and bracket order.
std::vector<FiledMatch> FiledMatches(const SmallTournament& t, bool bracket);

// "RHRS" + TournamentBase, in the data directory.
std::string RankingSystemFileName(const std::string& base);
std::string RankingSystemFileBytes(const std::vector<FiledMatch>& matches, const Date& written);

// The two files of a sanctioned event, on drive A, in the Windows code page
// of the sanctioning body; the texts that had to change are noted in `text`.
std::string TournamentReportFileName(const std::string& base);  // "TRP_" + base + ".TXT"
std::string MasterListFileName(const std::string& base);        // "MAL_" + base + ".TXT"
std::string TournamentReportFileBytes(const SmallTournament& t, const std::vector<FiledMatch>& matches,
                                      const PlayerTable& players, Windows1252File& text);
std::string MasterListFileBytes(const SmallTournament& t, const PlayerTable& players, Windows1252File& text);

// The members with the mark of a missing membership number: Sys Id in 4, a
// space, the name.
std::vector<std::string> MissingMembershipLines(const SmallTournament& t, const PlayerTable& players);

// Writes both files to drive A (the folder is made when first used); an
// error text when either cannot be written. `told` gets, per file, what the
// operator is told of the names written with plain letters.
Failure WriteSanctionedFiles(const DataLocation& where, const SmallTournament& t,
                             const std::vector<FiledMatch>& matches, const PlayerTable& players,
                             std::vector<std::string>* told = nullptr);

}  // namespace hrs
