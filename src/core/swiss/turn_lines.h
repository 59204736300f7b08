#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/data/player_record.h"

namespace hrs {

// The lines of the lists of the pre-registration window.

// A selected player: the name in 23 characters, the Sys Id in 5.
std::string SelectedPlayerLine(const std::string& name, int sysId);
// A reserved slot: the text in 28 characters, then "    0".
std::string SlotLine(const std::string& text);
// The number in a line's last 4 characters; a player line has one above 0.
int LineSysId(const std::string& line);
inline bool IsPlayerLine(const std::string& line) { return LineSysId(line) > 0; }
// The name the companion program gets: the line's first 23 characters, trimmed.
std::string LineName(const std::string& line);

// One row of the player grid: "Id", "Name", "Rating", "MbShip No", "Rem".
struct GridRow {
  std::array<std::string, 5> cells;
  int sysId = 0;
};
inline constexpr std::array<const char*, 5> GridCaptions = {"Id", "Name", "Rating", "MbShip No", "Rem"};
inline constexpr std::array<int, 5> GridWidthsTwips = {500, 2100, 600, 900, 400};
inline constexpr int GridNameColumn = 1;

// The active players in name order.
std::vector<GridRow> PlayerGridRows(const PlayerTable& players);

}  // namespace hrs
