#include <algorithm>
#include <cstdlib>

#include "core/lists/list_columns.h"
#include "core/lists/printer_setup.h"
#include "core/lists/ranking_list.h"
#include "core/platform/question_names.h"
#include "core/text/align.h"
#include "core/text/characters.h"
#include "core/text/numeric.h"
#include "core/text/pager.h"
#include "core/text/sorted_list.h"

namespace hrs {

namespace {

void MonthHeader(PrintJob& job, int page, const Database& db, int month, const Date& today) {
  const std::string& name = db.setup.ListName.str();
  job.PrintLine("");
  job.PrintLine(Spaces((74 - static_cast<int>(CharCount(name))) / 2) + name);
  job.PrintLine("");
  job.PrintLine(std::string(ProductShort) + "    Movements in " + MonthName(month) + "    Printed " +
                ShortDate(today) + "     " + PageLabel(page));
  job.PrintLine("");
  job.PrintLine("                                        Ultimo  Primo");
  job.PrintLine("Rank   Id Name                          Rating Rating   +/-");
  job.PrintLine("");
}

}  // namespace

std::optional<int> AcceptedMonth(const std::string& answer, const Clock& clock) {
  const auto value = NumericValue(answer);
  if (!value) return std::nullopt;
  const int current = clock.Today().month == 1 ? 12 : clock.Today().month;
  if (*value < 1 || *value > 12 || *value > current) return std::nullopt;
  return static_cast<int>(*value);
}

bool PrintRankingByMonth(const Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock) {
  const PlayerTable& players = db.players;
  if (!db.StartupOk || players.PlayerCount < 1) return false;
  if (db.stats.At(1, 2) == 0 && db.stats.At(2, 2) == 0) {
    dialogs.Message(HistoryMissingMessage);
    return false;
  }
  StartReport(job, db.location, DatedReportName("ranking-by-month", clock.Today()));
  if (!SetUpPrinter(dialogs, job)) return false;

  const int thisMonth = clock.Today().month;
  const std::string suggested = std::to_string(thisMonth == 1 ? 12 : thisMonth - 1);
  int month = 0;
  for (;;) {
    const auto answer = dialogs.Input(MonthPrompt, "", suggested, question::RankingMonth);
    if (!answer || answer->empty()) return false;
    if (!IsNumeric(*answer)) continue;
    if (const auto accepted = AcceptedMonth(*answer, clock)) {
      month = *accepted;
      break;
    }
    dialogs.Beep();
  }

  const Date today = clock.Today();
  Pager pager(job, {6, 55}, [&](PrintJob& j, int page) { MonthHeader(j, page, db, month, today); });
  std::vector<SortedList::Item> items;
  items.reserve(static_cast<size_t>(players.PlayerCount));
  for (int id = 1; id <= players.PlayerCount; ++id) {
    const PlayerRecord& p = players[id];
    if (p.Status == StatusActive && p.Rating > 0) items.push_back({RightAlign(db.stats.At(id, month + 1), 4), id});
  }
  SortedList list;
  list.AddAll(std::move(items));
  int rank = 1;
  for (size_t i = list.Size(); i-- > 0; ++rank) {
    const int id = list[i].value;
    const int ultimo = db.stats.At(id, month + 1);
    const int primo = db.stats.At(id, month);
    std::string line = RightAlign(rank, 4) + RightAlign(id, 5) + " " + FitLeft(players[id].Name.str(), 28) +
                       RightAlign(ultimo, 8) + RightAlign(primo, 7);
    line += RightAlign(std::abs(ultimo - primo), 6);
    if (ultimo != primo) line += ultimo > primo ? "+" : "-";
    pager.Line(line);
  }
  return FinishPrintout(pager, job, dialogs);
}

}  // namespace hrs
