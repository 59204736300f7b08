#include "core/rating/month_list.h"

#include "core/text/align.h"
#include "core/text/numeric.h"
#include "core/text/sorted_list.h"

namespace hrs {

MonthResult FromMonthLine(const Transaction& t) {
  return {LastChars(t.date, 2), t.firstId, t.secondId, t.code};
}

MonthResult FromTournamentDuel(const std::string& date, const TournamentDuel& d) {
  return {LastChars(date, 2), d.firstId, d.secondId, d.code};
}

namespace {

// An id wider than its column would shift the columns after it and rate
// another player; no player has such an id, so it stands for an unknown one.
std::string IdColumn(const std::string& id) { return RightAlign(id.size() > 8 ? "0" : id, 8); }

}  // namespace

std::string MonthItemText(const MonthResult& r) {
  return r.day + IdColumn(r.first) + IdColumn(r.second) + r.code;
}

namespace {

std::string Column(const std::string& item, size_t from, size_t count) {
  return from < item.size() ? item.substr(from, count) : std::string();
}

}  // namespace

std::vector<RatedEntry> SortedMonthEntries(const std::vector<MonthResult>& results,
                                           const PlayerIdentifier& identify) {
  std::vector<SortedList::Item> items;
  items.reserve(results.size());
  for (const auto& r : results) items.push_back({MonthItemText(r), 0});
  SortedList list;
  list.AddAll(std::move(items));

  std::vector<RatedEntry> entries;
  entries.reserve(list.Size());
  std::string currentDay;
  for (size_t i = 0; i < list.Size(); ++i) {
    const std::string& item = list[i].line;
    const std::string day = Column(item, 0, 2);
    RatedEntry e;
    e.newDay = i > 0 && day != currentDay;
    currentDay = day;
    e.first = static_cast<int16_t>(identify.Identify(LeadingNumber(Column(item, 2, 8))));
    e.second = static_cast<int16_t>(identify.Identify(LeadingNumber(Column(item, 10, 8))));
    e.draw = item.size() == 19 && item[18] == 'X';
    entries.push_back(e);
  }
  return entries;
}

}  // namespace hrs
