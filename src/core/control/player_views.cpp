#include "core/control/player_views.h"

#include "core/text/align.h"
#include "core/text/characters.h"

namespace hrs {

namespace {

bool Listed(const PlayerRecord& p) { return p.Status == StatusActive; }

// A name cut to its column, so the columns after it stay in line.
std::string NameIn(const PlayerRecord& p, size_t width) { return FitLeft(p.Name.str(), width); }

template <typename LineOf>
std::vector<SortedList::Item> ListedLines(const PlayerTable& players, LineOf line) {
  std::vector<SortedList::Item> items;
  items.reserve(static_cast<size_t>(players.PlayerCount));
  for (int id = 1; id <= players.PlayerCount; ++id)
    if (Listed(players[id])) items.push_back({line(players[id], id), id});
  return items;
}

std::vector<SortedList::Item> Sorted(std::vector<SortedList::Item> items) {
  SortedList list;
  list.AddAll(std::move(items));
  return list.Items();
}

}  // namespace

std::vector<SortedList::Item> PlayersBySysId(const PlayerTable& players) {
  return ListedLines(players, [](const PlayerRecord& p, int id) {
    return RightAlign(id, 4) + " " + NameIn(p, 26) + RightAlign(p.Rating, 5) + RightAlign(p.MbShipNo, 8);
  });
}

std::vector<SortedList::Item> PlayersByMembership(const PlayerTable& players) {
  return Sorted(ListedLines(players, [](const PlayerRecord& p, int id) {
    return RightAlign(p.MbShipNo, 7) + " " + RightAlign(id, 4) + " " + NameIn(p, 26) + RightAlign(p.Rating, 5);
  }));
}

std::vector<SortedList::Item> PlayersByName(const PlayerTable& players) {
  return Sorted(ListedLines(players, [](const PlayerRecord& p, int id) {
    return NameIn(p, 26) + RightAlign(id, 5) + RightAlign(p.Rating, 5) + RightAlign(p.MbShipNo, 8);
  }));
}

std::vector<SortedList::Item> PlayersByRanking(const PlayerTable& players) {
  std::vector<SortedList::Item> rated;
  for (int id = 1; id <= players.PlayerCount; ++id) {
    const PlayerRecord& p = players[id];
    if (Listed(p) && p.Rating != 0)
      rated.push_back({RightAlign(p.Rating, 5) + " " + NameIn(p, 28) + RightAlign(id, 5), id});
  }
  const auto ascending = Sorted(std::move(rated));
  std::vector<SortedList::Item> lines;
  lines.reserve(ascending.size());
  long long rank = 0;
  for (size_t i = ascending.size(); i-- > 0;)
    lines.push_back({RightAlign(++rank, 4) + " " + ascending[i].line, ascending[i].value});
  return lines;
}

std::vector<SortedList::Item> PlayersForEntry(const PlayerTable& players) {
  return Sorted(ListedLines(players, [](const PlayerRecord& p, int id) {
    return NameIn(p, 28) + RightAlign(id, 5) + RightAlign(p.Rating, 5) + RightAlign(p.MbShipNo, 8);
  }));
}

std::string PlayersBySysIdHeader() { return "  Id Name" + std::string(23, ' ') + "Rate   MbShip"; }
std::string PlayersByMembershipHeader() { return " MbShip   Id Name" + std::string(22, ' ') + " Rate"; }
std::string PlayersByNameHeader() { return "Name" + std::string(25, ' ') + "Id Rate   MbShip"; }
std::string PlayersByRankingHeader() { return "Rank  Rate Name" + std::string(27, ' ') + "Id"; }
std::string PlayersForEntryHeader() { return "Name" + std::string(27, ' ') + "Id Rate  MbShip"; }

}  // namespace hrs
