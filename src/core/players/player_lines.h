#pragma once
#include <string>
#include <vector>

#include "core/data/player_record.h"
#include "core/text/sorted_list.h"

namespace hrs {

// The two orders of the player database's list; each line carries its Sys Id.
enum class PlayerOrder { SysId, Name };

// The Sys Id order shows the info left-aligned in 9, except when the list is
// rebuilt by choosing new-player mode, which right-aligns it in 10.
enum class InfoColumn { Left9, Right10 };

// The header above the list; the Sys Id order's header as built on opening
// differs by one blank.
std::string SysIdOrderHeader(bool opening = false);
std::string NameOrderHeader();

// Sys Id, name cut or padded to 24, rating, membership number, info, then
// " D" for a deleted and " V" for a void player.
std::string SysIdOrderLine(int sysId, const PlayerRecord& p, InfoColumn info = InfoColumn::Left9);
// Name in 28, Sys Id, rating, membership number, info, " D" for a deleted player.
std::string NameOrderLine(int sysId, const PlayerRecord& p);

// Every player 1..PlayerCount in Sys Id order, void ones included.
std::vector<SortedList::Item> SysIdOrderLines(const PlayerTable& table, InfoColumn info = InfoColumn::Left9);
// The players in the order of their line text, void ones left out.
std::vector<SortedList::Item> NameOrderLines(const PlayerTable& table);

// The line of one player in the form of the given order.
std::string OrderLine(PlayerOrder order, int sysId, const PlayerRecord& p);

}  // namespace hrs
