#pragma once
#include <string>
#include <vector>

#include "core/data/player_record.h"
#include "core/text/sorted_list.h"

namespace hrs {

// Sys Id (4), " ", name (28), rating (5), membership number (8).
std::string SearchLine(int sysId, const PlayerRecord& p);
// Sys Id (4), " ", the first 26 characters of the name (26), rating (5), membership number (8).
std::string DeletedPlayerLine(int sysId, const PlayerRecord& p);

// Every player, whatever his status, whose name contains the text without
// regard to case, or whose membership number in decimal contains it; in the
// list's text order, item value the Sys Id. Empty when none.
std::vector<SortedList::Item> SearchPlayers(const PlayerTable& players, const std::string& text);

// The deleted players in Sys Id order.
std::vector<SortedList::Item> DeletedPlayers(const PlayerTable& players);

inline constexpr const char* NoHits = "No hits";
inline constexpr const char* NoDeletedPlayers = "No deleted players in database";

}  // namespace hrs
