#include "core/swiss/turn_lines.h"

#include <algorithm>

#include "core/text/align.h"
#include "core/text/characters.h"
#include "core/text/numeric.h"
#include "core/text/sorted_list.h"

namespace hrs {

std::string SelectedPlayerLine(const std::string& name, int sysId) { return FitLeft(name, 23) + RightAlign(sysId, 5); }

std::string SlotLine(const std::string& text) { return FitLeft(text, 28) + "    0"; }

int LineSysId(const std::string& line) {
  const double v = LeadingNumber(LastChars(line, 4));
  return v >= 1 && v <= 9999 ? static_cast<int>(v) : 0;
}

std::string LineName(const std::string& line) { return Trim(FirstChars(line, 23)); }

std::vector<GridRow> PlayerGridRows(const PlayerTable& players) {
  SortedList byName;
  for (int id = 1; id <= players.PlayerCount; ++id)
    if (players[id].Status == StatusActive) byName.Add(LeftPad(players[id].Name.str(), 30) + RightAlign(id, 5), id);
  std::vector<GridRow> rows;
  rows.reserve(byName.Size());
  for (const auto& item : byName.Items()) {
    const PlayerRecord& p = players[item.value];
    rows.push_back({{std::to_string(item.value), p.Name.str(), std::to_string(p.Rating), std::to_string(p.MbShipNo), ""},
                    item.value});
  }
  return rows;
}

}  // namespace hrs
