#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/prev_ranking_file.h"
#include "core/lists/list_columns.h"
#include "core/lists/printer_setup.h"
#include "core/lists/ranking_list.h"
#include "core/platform/question_names.h"
#include "core/rating/calc_ranking.h"
#include "core/text/align.h"
#include "core/text/characters.h"
#include "core/text/pager.h"
#include "core/text/sorted_list.h"

namespace hrs {

namespace {

// Days since 1970-01-01 of a calendar date.
long DayNumber(const Date& d) {
  const int y = d.year - (d.month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return static_cast<long>(era) * 146097 + doe - 719468;
}

void DynamicHeader(PrintJob& job, int page, const Database& db, const SnapshotChoice& choice, const Date& today) {
  const std::string& name = db.setup.ListName.str();
  job.PrintLine("");
  job.PrintLine(Spaces((74 - static_cast<int>(CharCount(name))) / 2) + name);
  job.PrintLine("");
  const std::string tail = ShortDate(today) + "     " + PageLabel(page);
  if (choice.movements) {
    const std::string since = choice.previous ? ShortDate(choice.previous->taken.date) : std::string();
    job.PrintLine(std::string(ProductShort) + "    Movements since " + since + "    Printed " + tail);
  } else {
    job.PrintLine(std::string(ProductShort) + Spaces(52 - static_cast<int>(std::string(ProductShort).size())) + tail);
  }
  job.PrintLine("");
  if (choice.movements) {
    job.PrintLine(Spaces(57) + "Rating Rank");
    job.PrintLine("Rank   Id Name                          Rating Won  D Lost +/-   +/-");
  } else {
    job.PrintLine("Rank   Id Name                          Rating Won  D Lost");
  }
  job.PrintLine("");
}

}  // namespace

SnapshotChoice ChooseSnapshot(const Database& db, Dialogs& dialogs, const Clock& clock) {
  SnapshotChoice choice;
  auto previous = ReadPrevRanking(db.location, db.players.PlayerCount);
  if (!previous) {
    // Missing or damaged: this printout writes it anew.
    choice.update = true;
    return choice;
  }
  const long days = DayNumber(clock.Today()) - DayNumber(previous->taken.date);
  choice.update = dialogs.Message(std::to_string(days) + UpdateQuestionEnd, Buttons::YesNo, Icon::Question,
                                  SnapshotUpdateTitle, question::SnapshotUpdate) == Answer::Yes;
  choice.movements = choice.update || dialogs.Message(LayoutQuestion, Buttons::YesNo, Icon::Question, LayoutTitle,
                                                      question::MovementColumns) != Answer::No;
  if (choice.movements) choice.previous = std::move(previous);
  return choice;
}

bool TakeSnapshot(Database& db, const std::vector<int>& sysIds, const DateTime& taken, Dialogs& dialogs) {
  std::vector<int16_t> kept;
  kept.reserve(sysIds.size());
  for (int id : sysIds) {
    kept.push_back(db.players[id].PrevRating);
    db.players[id].PrevRating = db.players[id].Rating;
  }
  if (db.players.PlayerCount > PlayerCapacity) db.players.PlayerCount = PlayerCapacity;
  // Both files describe the same moment: written as one change.
  if (auto error = WriteFilesTogether({{db.location.DataPath(RankFile), PrevRankingBytes(PrevRanking{taken, sysIds})},
                                       {db.location.DataPath(PlayerFile), PlayerFileBytes(db.players)}})) {
    for (size_t i = 0; i < sysIds.size(); ++i) db.players[sysIds[i]].PrevRating = kept[i];
    dialogs.Message(
        "The file of the previous ranking and the player file could not be saved; nothing has been "
        "changed.\r" +
            *error,
        Buttons::Ok, Icon::Critical);
    return false;
  }
  return true;
}

PrintOutcome PrintRankingDynamic(Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock) {
  PrintOutcome outcome;
  const PlayerTable& players = db.players;
  if (NobodyEnrolled(players, dialogs)) return outcome;
  const SnapshotChoice choice = ChooseSnapshot(db, dialogs, clock);
  StartReport(job, db.location, DatedReportName("ranking", clock.Today()));
  if (!SetUpPrinter(dialogs, job)) return outcome;

  std::vector<SortedList::Item> items;
  items.reserve(static_cast<size_t>(players.PlayerCount));
  for (int id = 1; id <= players.PlayerCount; ++id) {
    const PlayerRecord& p = players[id];
    if (p.Status != StatusActive || p.Rating <= 0) continue;
    const AdjustmentCounts c = CountedAdjustments(p, false);
    if (c.Total() < db.setup.MinAdjustments) continue;
    items.push_back({RankingSortLine(id, p), id});
  }
  SortedList list;
  list.AddAll(std::move(items));

  std::vector<int> previousRank;
  if (choice.movements && choice.previous) {
    previousRank.assign(PlayerCapacity + 1, 0);
    const auto& ids = choice.previous->sysIds;
    for (size_t i = 0; i < ids.size(); ++i)
      if (previousRank[static_cast<size_t>(ids[i])] == 0) previousRank[static_cast<size_t>(ids[i])] = static_cast<int>(i) + 1;
  }

  const Date today = clock.Today();
  Pager pager(job, {6, 55}, [&](PrintJob& j, int page) { DynamicHeader(j, page, db, choice, today); });
  const DateTime taken = clock.Now();
  std::vector<int> printed;
  printed.reserve(list.Size());
  int rank = 1;
  for (size_t i = list.Size(); i-- > 0; ++rank) {
    const int id = list[i].value;
    const PlayerRecord& p = players[id];
    const AdjustmentCounts c = CountedAdjustments(p, false);
    std::string line = RightAlign(rank, 4) + RightAlign(id, 5) + " " + FitLeft(p.Name.str(), 28) +
                       RightAlign(p.Rating, 7) + RightAlign(c.won, 5) + RightAlign(c.drawn, 3) +
                       RightAlign(c.lost, 4);
    if (choice.movements) {
      line += RatingMovement(p);
      if (!previousRank.empty()) line += RankMovement(rank, previousRank[static_cast<size_t>(id)], 6);
    }
    pager.Line(line);
    printed.push_back(id);
  }
  outcome.printed = FinishPrintout(pager, job, dialogs);
  if (outcome.printed && choice.update) outcome.snapshotTaken = TakeSnapshot(db, printed, taken, dialogs);
  return outcome;
}

}  // namespace hrs
