#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/data/player_record.h"

namespace hrs {

// The ranking list of the Calculate Ratings window: active players with a
// rating, highest first (equal ratings in descending order of name), each
// line the rank in 4 characters, a blank, the rating in 5, a blank, the name
// in 28 and the Sys Id in 5.
std::vector<std::string> CalcRankingLines(const PlayerTable& players);

// "Rank  Rate Name" + 27 blanks + "Id", the list's column header.
std::string CalcRankingHeader();

// The average rating the list sets for the status screen: the integer part of
// the ratings of the active players over ActiveCount; nothing when no player
// is active.
std::optional<int> CalcRankingAverage(const PlayerTable& players);

inline constexpr const char* NoPlayersEnrolled = "No players enrolled yet";

class Dialogs;
// Tells the operator when nobody is enrolled; true then, and the ranking
// list has nothing to show.
bool NobodyEnrolled(const PlayerTable& players, Dialogs& dialogs);

}  // namespace hrs
