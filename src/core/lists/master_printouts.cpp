#include "core/lists/list_columns.h"
#include "core/lists/master_lists.h"
#include "core/lists/printer_setup.h"
#include "core/lists/ranking_list.h"
#include "core/text/align.h"
#include "core/text/pager.h"
#include "core/text/sorted_list.h"

namespace hrs {

namespace {

struct MasterPrintout {
  const char* title;
  const char* columns;
};

MasterPrintout PrintoutOf(MasterOrder order) {
  switch (order) {
    case MasterOrder::BySysId:
      return {"   Master List by Sys-Id ", "    Id  Name                        Rating  MbShip-No      Info"};
    case MasterOrder::ByMbShip:
      return {"  Master List by MbShip No.  ", "    MbShip-No Name                             Id   Rating"};
    case MasterOrder::ByName:
      break;
  }
  return {"  Master List by Name       ", "    Name                            Id  Rating  MbShip-No   Info"};
}

// The active players in the printout's order.
std::vector<int> PrintOrder(MasterOrder order, const PlayerTable& players) {
  std::vector<int> ids;
  ids.reserve(static_cast<size_t>(players.PlayerCount));
  if (order == MasterOrder::BySysId) {
    for (int id = 1; id <= players.PlayerCount; ++id)
      if (players[id].Status == StatusActive) ids.push_back(id);
    return ids;
  }
  std::vector<SortedList::Item> items;
  items.reserve(static_cast<size_t>(players.PlayerCount));
  for (int id = 1; id <= players.PlayerCount; ++id) {
    const PlayerRecord& p = players[id];
    if (p.Status != StatusActive) continue;
    if (order == MasterOrder::ByMbShip)
      items.push_back({RightAlign(p.MbShipNo, 8) + FitLeft(p.Name.str(), 28) + RightAlign(id, 4) +
                           RightAlign(p.Rating, 4) + RightAlign(p.Status, 2),
                       id});
    else
      items.push_back({FitLeft(p.Name.str(), 28) + RightAlign(id, 4) + RightAlign(p.MbShipNo, 8) +
                           RightAlign(p.Rating, 4) + FitRightText(p.Info.str(), 8) + RightAlign(p.Status, 2),
                       id});
  }
  SortedList list;
  list.AddAll(std::move(items));
  for (const auto& item : list.Items()) ids.push_back(item.value);
  return ids;
}

std::string PrintedLine(MasterOrder order, int id, const PlayerRecord& p) {
  switch (order) {
    case MasterOrder::BySysId:
      return "  " + RightAlign(id, 4) + "  " + FitLeft(p.Name.str(), 28) + RightAlign(p.Rating, 5) +
             RightAlign(p.MbShipNo, 10) + FitRightText(p.Info.str(), 14);
    case MasterOrder::ByMbShip:
      return "    " + RightAlign(p.MbShipNo, 8) + "  " + FitLeft(p.Name.str(), 28) + RightAlign(id, 7) +
             RightAlign(p.Rating, 8);
    case MasterOrder::ByName:
      break;
  }
  return "    " + FitLeft(p.Name.str(), 28) + RightAlign(id, 6) + RightAlign(p.Rating, 7) +
         RightAlign(p.MbShipNo, 11) + RightAlign(FitRightText(p.Info.str(), 8), 10);
}

}  // namespace

bool PrintMasterList(MasterOrder order, const Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock) {
  const char* report = order == MasterOrder::BySysId    ? "master-by-sys-id"
                       : order == MasterOrder::ByMbShip ? "master-by-mbship-no"
                                                        : "master-by-name";
  StartReport(job, db.location, DatedReportName(report, clock.Today()));
  if (!SetUpPrinter(dialogs, job)) return false;
  const MasterPrintout printout = PrintoutOf(order);
  const std::string today = ShortDate(clock.Today());
  Pager pager(job, {5, 55}, [&](PrintJob& j, int page) {
    j.PrintLine("");
    j.PrintLine(std::string(ProductTitle) + printout.title + today + "     " + PageLabel(page));
    j.PrintLine("");
    j.PrintLine(printout.columns);
    j.PrintLine("");
  });
  for (int id : PrintOrder(order, db.players)) pager.Line(PrintedLine(order, id, db.players[id]));
  return FinishPrintout(pager, job, dialogs);
}

void PrintList(int listNumber, Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock) {
  switch (listNumber) {
    case 1: PrintRankingDynamic(db, dialogs, job, clock); break;
    case 2: PrintMasterList(MasterOrder::BySysId, db, dialogs, job, clock); break;
    case 3: PrintMasterList(MasterOrder::ByMbShip, db, dialogs, job, clock); break;
    case 4: PrintMasterList(MasterOrder::ByName, db, dialogs, job, clock); break;
    default: break;
  }
}

}  // namespace hrs
