#pragma once
#include <string>
#include <vector>

#include "core/data/player_record.h"
#include "core/text/sorted_list.h"
#include "core/tournament/tournament_tables.h"

namespace hrs {

// The name of a tournament member; empty for an id outside the player table.
const std::string& NameOf(const PlayerTable& players, int sysId);
// Its membership number; 0 for an id outside the player table.
int32_t Membership(const PlayerTable& players, int sysId);

// dbLocal: a player of the SelectionList: the name in 23 columns, five
// spaces, the rating in 4.
std::string SelectionLine(const PlayerRecord& p);
// The SelectionList of every active player in order of name; item data Sys Id.
std::vector<SortedList::Item> SelectionLines(const PlayerTable& players);
// A line of the SelectedList: the SelectionList line, three spaces, its
// position there (1 = first line) in 4.
std::string SelectedLine(const std::string& selectionLine, int position);
// The position carried by a SelectedList line, 0 when it has none.
int SelectedPosition(const std::string& selectedLine);

// dbLocal2: the result field of a match, 4 characters: " -  " without a
// result, "0-0 " for a recorded 0-0, else "2-1 ".
std::string ResultField(int firstWon, int secondWon);

// The round-robin list: one line per match in round and table order, the
// line number being the match number; item data round x 100 + table.
std::vector<SortedList::Item> MatchListLines(const SmallTournament& t, const PlayerTable& players);

// The current standings of every group; the P-Ratio column only while the
// 2-1 option is off.
std::vector<SortedList::Item> CurrentStandingsLines(const SmallTournament& t, const PlayerTable& players);
std::string CurrentStandingsCaption(const SmallTournament& t);
std::string CurrentStandingsText(const SmallTournament& t);

// The group view: every group's members in position order, a blank line after each.
std::vector<SortedList::Item> GroupViewLines(const SmallTournament& t, const PlayerTable& players);

}  // namespace hrs
