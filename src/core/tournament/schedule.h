#pragma once
#include <string>

#include "core/tournament/tournament_tables.h"

namespace hrs {

// The fixed figures of a round-robin group of 4, 5 or 6 (all 0 otherwise).
struct GroupFigures {
  int rounds = 0;
  int matches = 0;
  int tables = 0;
};
GroupFigures FiguresOf(int groupSize);

// The schedule string of a round: consecutive pairs of positions are the
// round's matches in table order; "" when a group of that size has no such round.
const char* ScheduleOf(int groupSize, int round);

// The whole group play of the tournament.
struct MatchProgramFigures {
  int matches = 0;
  int rounds = 0;  // the most rounds of any group
  int tables = 0;  // the tables per round of all groups together
};
MatchProgramFigures FiguresOf(const GroupSizes& sizes);

// The match table from the groups: tables numbered consecutively within a
// round across the groups in group order.
MatchTable BuildMatchTable(const GroupSizes& sizes, const GroupTable& groups);

}  // namespace hrs
