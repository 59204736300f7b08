#include "core/lists/list_columns.h"
#include "core/lists/master_lists.h"
#include "core/text/align.h"
#include "core/text/sorted_list.h"

namespace hrs {

namespace {

std::vector<std::string> SortedLines(std::vector<SortedList::Item> items) {
  SortedList list;
  list.AddAll(std::move(items));
  std::vector<std::string> lines;
  lines.reserve(list.Size());
  for (const auto& item : list.Items()) lines.push_back(item.line);
  return lines;
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
        if (p.Status == StatusVoid) view.lines.push_back(RightAlign(id, 4) + " Void");
        else
          view.lines.push_back(RightAlign(id, 4) + " " + FitLeft(p.Name.str(), 28) + RightAlign(p.Rating, 5) +
                               RightAlign(p.MbShipNo, 8));
      }
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
      view.lines = SortedLines(std::move(items));
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
      view.lines = SortedLines(std::move(items));
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
