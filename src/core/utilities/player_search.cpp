#include "core/utilities/player_search.h"

#include "core/text/align.h"
#include "core/text/characters.h"

namespace hrs {

std::string SearchLine(int sysId, const PlayerRecord& p) {
  return RightAlign(sysId, 4) + " " + FitLeft(p.Name.str(), 28) + RightAlign(p.Rating, 5) + RightAlign(p.MbShipNo, 8);
}

std::string DeletedPlayerLine(int sysId, const PlayerRecord& p) {
  return RightAlign(sysId, 4) + " " + FitLeft(p.Name.str(), 26) + RightAlign(p.Rating, 5) + RightAlign(p.MbShipNo, 8);
}

std::vector<SortedList::Item> SearchPlayers(const PlayerTable& players, const std::string& text) {
  std::vector<SortedList::Item> hits;
  for (int id = 1; id <= players.PlayerCount; ++id) {
    const PlayerRecord& p = players[id];
    if (ContainsNoCase(p.Name.str(), text) || std::to_string(p.MbShipNo).find(text) != std::string::npos)
      hits.push_back({SearchLine(id, p), id});
  }
  SortedList sorted;
  sorted.AddAll(std::move(hits));
  return sorted.Items();
}

std::vector<SortedList::Item> DeletedPlayers(const PlayerTable& players) {
  std::vector<SortedList::Item> lines;
  for (int id = 1; id <= players.PlayerCount; ++id)
    if (players[id].Status == StatusDeleted) lines.push_back({DeletedPlayerLine(id, players[id]), id});
  return lines;
}

}  // namespace hrs
