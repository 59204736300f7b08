#include "core/players/player_lines.h"

#include "core/text/align.h"

namespace hrs {

namespace {

// Columns count characters, not bytes: a name in UTF-8 keeps its place and is
// never cut inside a character.
bool Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

size_t Columns(std::string_view text) {
  size_t n = 0;
  for (char c : text)
    if (!Continuation(c)) ++n;
  return n;
}

std::string_view Cut(std::string_view text, size_t width) {
  size_t n = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (Continuation(text[i])) continue;
    if (n == width) return text.substr(0, i);
    ++n;
  }
  return text;
}

std::string FitLeft(std::string_view text, size_t width) {
  const std::string_view cut = Cut(text, width);
  return std::string(cut) + std::string(width - Columns(cut), ' ');
}

std::string FitRight(std::string_view text, size_t width) {
  const std::string_view cut = Cut(text, width);
  return std::string(width - Columns(cut), ' ') + std::string(cut);
}

}  // namespace

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
  line += info == InfoColumn::Left9 ? FitLeft(p.Info.str(), 9) : FitRight(p.Info.str(), 10);
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
