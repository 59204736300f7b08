#include "core/lists/list_columns.h"
#include "core/lists/master_lists.h"
#include "core/text/align.h"
#include "core/text/sorted_list.h"

namespace hrs {

namespace {

// The lines in their order, and the cells of each line's player.
template <typename CellsOf>
void AddSorted(std::vector<SortedList::Item> items, ListViewContent& view, CellsOf cellsOf) {
  SortedList list;
  list.AddAll(std::move(items));
  view.lines.reserve(list.Size());
  view.cells.reserve(list.Size());
  for (const auto& item : list.Items()) {
    view.lines.push_back(item.line);
    view.cells.push_back(cellsOf(item.value));
  }
}

}  // namespace

ListViewContent MasterListView(MasterOrder order, const Database& db) {
  const PlayerTable& players = db.players;
  ListViewContent view;
  std::vector<SortedList::Item> items;
  items.reserve(static_cast<size_t>(players.PlayerCount));
  switch (order) {
    case MasterOrder::BySysId:
      view.caption = "Master List by Sys Id";
      view.header = "  Id Name" + std::string(25, ' ') + "Rate  MbShip";
      view.selectFirst = false;
      view.lines.reserve(static_cast<size_t>(players.PlayerCount));
      for (int id = 1; id <= players.PlayerCount; ++id) {
        const PlayerRecord& p = players[id];
        if (p.Status == StatusVoid) {
          view.lines.push_back(RightAlign(id, 4) + " Void");
          view.cells.push_back({std::to_string(id), "Void", "", ""});
        } else {
          view.lines.push_back(RightAlign(id, 4) + " " + FitLeft(p.Name.str(), 28) + RightAlign(p.Rating, 5) +
                               RightAlign(p.MbShipNo, 8));
          view.cells.push_back(
              {std::to_string(id), p.Name.str(), std::to_string(p.Rating), std::to_string(p.MbShipNo)});
        }
      }
      view.headings = {"Id", "Name", "Rate", "MbShip"};
      break;
    case MasterOrder::ByMbShip:
      view.caption = "Master List by MbShip No";
      view.header = "  MbShip   Id Name" + std::string(24, ' ') + " Rate";
      for (int id = 1; id <= players.PlayerCount; ++id) {
        const PlayerRecord& p = players[id];
        if (p.Status != StatusActive) continue;
        items.push_back({RightAlign(p.MbShipNo, 8) + " " + RightAlign(id, 4) + " " + FitLeft(p.Name.str(), 28) +
                             RightAlign(p.Rating, 5),
                         id});
      }
      view.headings = {"MbShip", "Id", "Name", "Rate"};
      AddSorted(std::move(items), view, [&](int id) -> std::vector<std::string> {
        const PlayerRecord& p = players[id];
        return {std::to_string(p.MbShipNo), std::to_string(id), p.Name.str(), std::to_string(p.Rating)};
      });
      break;
    case MasterOrder::ByName:
      view.caption = "Master List by Name";
      view.header = " Name" + std::string(26, ' ') + "Id Rate  MbShip  Info";
      for (int id = 1; id <= players.PlayerCount; ++id) {
        const PlayerRecord& p = players[id];
        if (p.Status != StatusActive) continue;
        items.push_back({FitLeft(p.Name.str(), 28) + RightAlign(id, 5) + RightAlign(p.Rating, 5) +
                             RightAlign(p.MbShipNo, 8) + " " + FitLeft(p.Info.str(), 10),
                         id});
      }
      view.headings = {"Name", "Id", "Rate", "MbShip", "Info"};
      AddSorted(std::move(items), view, [&](int id) -> std::vector<std::string> {
        const PlayerRecord& p = players[id];
        return {p.Name.str(), std::to_string(id), std::to_string(p.Rating), std::to_string(p.MbShipNo),
                p.Info.str()};
      });
      break;
  }
  return view;
}

std::optional<ListViewContent> ShowMasterList(MasterOrder order, const Database& db, Dialogs& dialogs) {
  if (db.players.PlayerCount == 0) {
    dialogs.Message(NoPlayersInDatabase);
    return std::nullopt;
  }
  return MasterListView(order, db);
}

}  // namespace hrs
