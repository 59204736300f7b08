#include "core/lists/rating_history.h"

#include <algorithm>

#include "core/lists/list_columns.h"
#include "core/lists/list_view.h"
#include "core/lists/printer_setup.h"
#include "core/lists/rating_chart.h"
#include "core/platform/question_names.h"
#include "core/text/align.h"
#include "core/text/characters.h"
#include "core/text/pager.h"
#include "core/text/sorted_list.h"

namespace hrs {

int LastHistoryMonth(const SetupRecord& setup, const Clock& clock) {
  const Date today = clock.Today();
  return setup.RatingYear < today.year ? 12 : today.month;
}

std::vector<int> HistoryPlayers(HistoryOrder order, const PlayerTable& players) {
  std::vector<int> ids;
  ids.reserve(static_cast<size_t>(players.PlayerCount));
  if (order == HistoryOrder::BySysId) {
    for (int id = 1; id <= players.PlayerCount; ++id)
      if (players[id].Status == StatusActive) ids.push_back(id);
    return ids;
  }
  std::vector<SortedList::Item> items;
  items.reserve(static_cast<size_t>(players.PlayerCount));
  for (int id = 1; id <= players.PlayerCount; ++id)
    if (players[id].Status == StatusActive) items.push_back({players[id].Name.str(), id});
  SortedList list;
  list.AddAll(std::move(items));
  for (const auto& item : list.Items()) ids.push_back(item.value);
  return ids;
}

HistoryGrid RatingHistoryGrid(HistoryOrder order, const Database& db, const Clock& clock) {
  HistoryGrid grid;
  grid.caption = order == HistoryOrder::BySysId ? "Rating History by Sys Id" : "Rating History by Name";
  grid.rowCount = db.players.PlayerCount + 1;
  grid.rows.push_back({"Id", "Name", "Start", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct",
                       "Nov", "Dec"});
  grid.sysIds.push_back(0);
  const int last = LastHistoryMonth(db.setup, clock);
  const std::vector<int> ids = HistoryPlayers(order, db.players);
  grid.rows.reserve(ids.size() + 1);
  grid.sysIds.reserve(ids.size() + 1);
  for (int id : ids) {
    const PlayerHistory history = PlayerRatingHistory(db, id, last);
    std::array<std::string, HistoryColumns> row;
    row[0] = std::to_string(id);
    row[1] = history.name;
    row[2] = std::to_string(history.start);
    for (int m = 1; m <= last; ++m)
      row[static_cast<size_t>(m) + 2] = std::to_string(history.months[static_cast<size_t>(m - 1)]);
    grid.rows.push_back(std::move(row));
    grid.sysIds.push_back(id);
  }
  return grid;
}

std::optional<HistoryGrid> ShowHistory(HistoryOrder order, const Database& db, Dialogs& dialogs, const Clock& clock) {
  if (db.players.PlayerCount == 0) {
    dialogs.Message(NoPlayersInDatabase);
    return std::nullopt;
  }
  return RatingHistoryGrid(order, db, clock);
}

bool PrintHistory(HistoryOrder order, const Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock) {
  if (db.players.PlayerCount == 0) {
    dialogs.Message(NoPlayersInDatabase);
    return false;
  }
  if (dialogs.Message(OrientationNotice, Buttons::OkCancel, Icon::Information, {}, question::LandscapeNotice) ==
      Answer::Cancel)
    return false;
  const int last = LastHistoryMonth(db.setup, clock);
  // The paper stays the operator's: the check below asks for the one the months need.
  StartReport(job, db.location,
              DatedReportName(order == HistoryOrder::BySysId ? "history-by-sys-id" : "history-by-name", clock.Today()),
              std::nullopt);
  if (!ChooseReportFont(dialogs, job)) return false;
  const bool landscapeNow = job.CurrentOrientation() == Orientation::Landscape;
  if ((last <= 7 && landscapeNow) || (last >= 8 && !landscapeNow)) {
    if (!dialogs.ChoosePageSetup()) return false;
  }
  if (!dialogs.ChoosePrinter()) return false;
  const bool landscape = job.CurrentOrientation() == Orientation::Landscape;

  const std::string& name = db.setup.ListName.str();
  const int width = landscape ? 110 : 72;
  const std::string today = ShortDate(clock.Today());
  Pager pager(job, {6, landscape ? 43 : 55}, [&](PrintJob& j, int page) {
    j.PrintLine("");
    j.PrintLine(std::string(static_cast<size_t>(std::max(0, (width - static_cast<int>(CharCount(name))) / 2)), ' ') +
                name);
    j.PrintLine("");
    j.PrintLine(std::string(ProductShort) + "    Rating History " + (landscape ? std::string(28, ' ') : std::string()) +
                "    Printed " + today + "     " + PageLabel(page));
    j.PrintLine("");
    j.PrintLine(landscape ? "  Id Name                    Start  Jan  Feb  Mar  Apr  May  Jun  Jul  Aug  Sep  Oct  Nov  Dec"
                          : "  Id Name                    Start  Jan  Feb  Mar  Apr  May  Jun  Jul");
    j.PrintLine("");
  });
  for (int id : HistoryPlayers(order, db.players)) {
    const PlayerRecord& p = db.players[id];
    std::string line = RightAlign(id, 4) + " " + FitLeft(p.Name.str(), 23) + RightAlign(p.StartRating, 6);
    for (int m = 1; m <= last; ++m) {
      const int value = db.stats.At(id, m + 1);
      line += value > 0 ? RightAlign(value, 5) : std::string(5, ' ');
    }
    pager.Line(line);
  }
  return FinishPrintout(pager, job, dialogs);
}

}  // namespace hrs
