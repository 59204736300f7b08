#include "core/rating/calc_ranking.h"

#include <cmath>

#include "core/platform/dialogs.h"
#include "core/text/align.h"
#include "core/text/sorted_list.h"

namespace hrs {

namespace {

bool Listed(const PlayerRecord& p) { return p.Rating > 0 && p.Status == StatusActive; }

}  // namespace

std::vector<std::string> CalcRankingLines(const PlayerTable& players) {
  std::vector<SortedList::Item> items;
  for (int id = 1; id <= players.PlayerCount; ++id) {
    const PlayerRecord& p = players[id];
    if (!Listed(p)) continue;
    items.push_back({RightAlign(p.Rating, 5) + " " + LeftPad(p.Name.str(), 28) + RightAlign(id, 5), id});
  }
  SortedList list;
  list.AddAll(std::move(items));
  std::vector<std::string> lines;
  lines.reserve(list.Size());
  long long rank = 0;
  for (size_t i = list.Size(); i-- > 0;) lines.push_back(RightAlign(++rank, 4) + " " + list[i].line);
  return lines;
}

std::string CalcRankingHeader() { return "Rank  Rate Name" + std::string(27, ' ') + "Id"; }

std::optional<int> CalcRankingAverage(const PlayerTable& players) {
  if (players.ActiveCount <= 0) return std::nullopt;
  long long sum = 0;
  for (int id = 1; id <= players.PlayerCount; ++id)
    if (Listed(players[id])) sum += players[id].Rating;
  return static_cast<int>(std::floor(static_cast<double>(sum) / players.ActiveCount));
}

bool NobodyEnrolled(const PlayerTable& players, Dialogs& dialogs) {
  if (players.PlayerCount != 0) return false;
  dialogs.Message(NoPlayersEnrolled);
  return true;
}

}  // namespace hrs
