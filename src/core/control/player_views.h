#pragma once
#include <string>
#include <vector>

#include "core/data/player_record.h"
#include "core/text/sorted_list.h"

namespace hrs {

// The player lists of the Control Centre's List1, each line carrying the
// player's Sys Id. Only active players are listed.

// By Sys Id (ListView 1), by membership number (2), by name (3).
std::vector<SortedList::Item> PlayersBySysId(const PlayerTable& players);
std::vector<SortedList::Item> PlayersByMembership(const PlayerTable& players);
std::vector<SortedList::Item> PlayersByName(const PlayerTable& players);
// Ranking (4): players with a rating, highest first, ranked by position.
std::vector<SortedList::Item> PlayersByRanking(const PlayerTable& players);
// The name list of keyboard entry: names in 28 columns.
std::vector<SortedList::Item> PlayersForEntry(const PlayerTable& players);

std::string PlayersBySysIdHeader();
std::string PlayersByMembershipHeader();
std::string PlayersByNameHeader();
std::string PlayersByRankingHeader();
std::string PlayersForEntryHeader();

}  // namespace hrs
