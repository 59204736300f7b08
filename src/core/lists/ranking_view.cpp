#include "core/lists/list_columns.h"
#include "core/lists/ranking_list.h"
#include "core/text/align.h"
#include "core/text/sorted_list.h"

namespace hrs {

namespace {

// Previous rank by Sys Id (0: not ranked then).
std::vector<int> PreviousRanks(const PrevRanking& previous) {
  std::vector<int> ranks(PlayerCapacity + 1, 0);
  for (size_t i = 0; i < previous.sysIds.size(); ++i) {
    const int id = previous.sysIds[i];
    if (id >= 1 && id <= PlayerCapacity && ranks[static_cast<size_t>(id)] == 0)
      ranks[static_cast<size_t>(id)] = static_cast<int>(i) + 1;
  }
  return ranks;
}

}  // namespace

ListViewContent RankingListView(const Database& db, const std::optional<PrevRanking>& previous) {
  const PlayerTable& players = db.players;
  std::vector<SortedList::Item> items;
  items.reserve(static_cast<size_t>(players.PlayerCount));
  for (int id = 1; id <= players.PlayerCount; ++id) {
    const PlayerRecord& p = players[id];
    if (p.Rating <= 0 || p.Status != StatusActive) continue;
    if (CountedAdjustments(p, true).Total() < db.setup.MinAdjustments) continue;
    items.push_back({RankingSortLine(id, p), id});
  }
  SortedList list;
  list.AddAll(std::move(items));

  ListViewContent view;
  view.caption = "Ranking List";
  std::vector<int> ranks;
  if (previous) {
    view.caption += " with movements since " + ShortDate(previous->taken.date);
    ranks = PreviousRanks(*previous);
  }
  view.lines.reserve(list.Size());
  view.cells.reserve(list.Size());
  int rank = 1;
  for (size_t i = list.Size(); i-- > 0; ++rank) {
    const int id = list[i].value;
    const PlayerRecord& p = players[id];
    std::string line = RightAlign(rank, 4) + RightAlign(id, 5) + " " + FitLeft(p.Name.str(), 28) +
                       RightAlign(p.Rating, 5) + RatingMovement(p);
    std::vector<std::string> cells{std::to_string(rank), std::to_string(id), p.Name.str(), std::to_string(p.Rating),
                                   SignedCell(RatingMovement(p))};
    if (previous) {
      const std::string movement = RankMovement(rank, ranks[static_cast<size_t>(id)], 5);
      line += movement;
      cells.push_back(SignedCell(movement));
    }
    view.lines.push_back(std::move(line));
    view.cells.push_back(std::move(cells));
  }
  view.header = " Rank  Id  Name" + std::string(23, ' ') + "Rating  +/- Rank+/-";
  view.headings = {"Rank", "Id", "Name", "Rating", "+/-"};
  if (previous) view.headings.push_back("Rank+/-");
  return view;
}

std::optional<ListViewContent> ShowRankingList(const Database& db, Dialogs& dialogs) {
  if (db.players.PlayerCount == 0) {
    dialogs.Beep();
    dialogs.Message(NoPlayersInDatabase);
    return std::nullopt;
  }
  return RankingListView(db, ReadPrevRanking(db.location, db.players.PlayerCount));
}

}  // namespace hrs
