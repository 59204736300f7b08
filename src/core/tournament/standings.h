#pragma once
#include <string>
#include <vector>

#include "core/tournament/tournament_tables.h"

namespace hrs {

// Match points, duels played, duels won and matches played of every member
// from the match table (the 2-1 option as the header holds it); also sets
// resultsComplete.
void ComputeStandings(SmallTournament& t);

// Duels won / duels played; 0 when no duel was played.
float DuelRatio(const GroupTable& groups, int group, int position);
// Match points / (2 x matches played); 0 without matches, and 0 for
// everybody while the 2-1 option is on.
float PointRatio(const SmallTournament& t, int group, int position);
std::string DuelRatioText(float ratio);   // "0.00000"
std::string PointRatioText(float ratio);  // "0.000"

// Current standings rank by points, duel ratio, point ratio; the
// qualification standings (playoff and printed standings) by points,
// point ratio, duel ratio.
enum class StandingsOrder { Current, Qualification };

// Group digit, points in two digits, then the two ratios in the order's turn.
std::string StandingsKey(const SmallTournament& t, int group, int position, StandingsOrder order);

// The positions of a group's members, best first. Members with the same key
// keep their order in the group.
std::vector<int> GroupOrder(const SmallTournament& t, int group, StandingsOrder order);

}  // namespace hrs
