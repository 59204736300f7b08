#include "core/players/player_lines.h"

#include "core/text/align.h"

namespace hrs {

std::string SysIdOrderHeader(bool opening) {
  return "  Id  Name" + std::string(19, ' ') + (opening ? "Rating  MbShip Info" : "Rating  MbShip  Info");
}

std::string NameOrderHeader() { return "Name" + std::string(22, ' ') + "Id Rate   MbShip Info"; }

std::string SysIdOrderLine(int sysId, const PlayerRecord& p, InfoColumn info) {
  std::string line = RightAlign(sysId, 4);
  line += ' ';
  line += FitLeft(p.Name.str(), 24);
  line += RightAlign(p.Rating, 5);
  line += RightAlign(p.MbShipNo, 8);
  line += ' ';
  line += info == InfoColumn::Left9 ? FitLeft(p.Info.str(), 9) : FitRightText(p.Info.str(), 10);
  if (p.Status == StatusDeleted) line += " D";
  else if (p.Status == StatusVoid) line += " V";
  return line;
}

std::string NameOrderLine(int sysId, const PlayerRecord& p) {
  std::string line = FitLeft(p.Name.str(), 28);
  line += RightAlign(sysId, 5);
  line += RightAlign(p.Rating, 5);
  line += RightAlign(p.MbShipNo, 8);
  line += ' ';
  line += FitLeft(p.Info.str(), 9);
  if (p.Status == StatusDeleted) line += " D";
  return line;
}

std::vector<SortedList::Item> SysIdOrderLines(const PlayerTable& table, InfoColumn info) {
  std::vector<SortedList::Item> lines;
  lines.reserve(static_cast<size_t>(table.PlayerCount));
  for (int id = 1; id <= table.PlayerCount; ++id) lines.push_back({SysIdOrderLine(id, table[id], info), id});
  return lines;
}

std::vector<SortedList::Item> NameOrderLines(const PlayerTable& table) {
  std::vector<SortedList::Item> lines;
  lines.reserve(static_cast<size_t>(table.PlayerCount));
  for (int id = 1; id <= table.PlayerCount; ++id)
    if (table[id].Status != StatusVoid) lines.push_back({NameOrderLine(id, table[id]), id});
  SortedList sorted;
  sorted.AddAll(std::move(lines));
  return sorted.Items();
}

std::string OrderLine(PlayerOrder order, int sysId, const PlayerRecord& p) {
  return order == PlayerOrder::SysId ? SysIdOrderLine(sysId, p) : NameOrderLine(sysId, p);
}

}  // namespace hrs
