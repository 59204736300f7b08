#include "core/rating/calculate_ratings.h"

#include <algorithm>
#include <optional>

#include "core/data/database_save.h"
#include "core/data/file_io.h"
#include "core/data/month_file.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/registry_file.h"
#include "core/data/tournament_file.h"
#include "core/data/transaction_names.h"
#include "core/data/write_form.h"
#include "core/platform/question_names.h"
#include "core/rating/fast_month_list.h"
#include "core/rating/month_list.h"
#include "core/rating/months_ahead.h"
#include "core/rating/player_identifier.h"
#include "core/rating/rating_run.h"
#include "core/text/rounding.h"

namespace hrs {

namespace {

struct Tournament {
  std::string name;
  int month = 0;  // 0: never used
  TournamentFile file;
};

int16_t StoredRating(double running) {
  return static_cast<int16_t>(std::clamp<long long>(RoundHalfEven(running), -32768, 32767));
}

int16_t StoredCount(int n) { return static_cast<int16_t>(std::min(n, 32767)); }

long long WholeSeconds(const Clock& clock) { return RoundHalfEven(clock.SecondsSinceMidnight()); }

// The registered tournament files with their months. A file that cannot be
// read is skipped and the others are still checked. Nothing when the operator
// chose to stop at the "not validated" question.
std::optional<std::vector<Tournament>> ReadTournaments(const Database& db, Dialogs& dialogs) {
  std::vector<Tournament> list;
  for (const auto& name : ReadRegistry(db.location, db.setup.RatingYear)) {
    Tournament t{name, 0, {}};
    const auto bytes = ReadWholeFile(db.location.DataPath(name));
    const auto file = bytes ? ParseTournamentFile(*bytes) : std::nullopt;
    if (file && !file->validated) {
      dialogs.Beep();
      if (dialogs.Message(NotValidatedQuestion(name), Buttons::YesNo, Icon::Question, NotValidatedTitle,
                          question::UnvalidatedTournament) != Answer::Yes)
        return std::nullopt;
    } else if (file) {
      t.month = file->Month();
      t.file = *file;
    }
    list.push_back(std::move(t));
  }
  return list;
}

// The month list of one month in rating order; adds its size to collected.
void MonthEntries(const Database& db, int month, const std::vector<Tournament>& tournaments,
                  const std::string& today, const PlayerIdentifier& identify, MonthScratch& scratch, bool quick,
                  std::vector<RatedEntry>& entries, long long& collected) {
  std::vector<MonthResult> fromTournaments;
  for (const auto& t : tournaments) {
    if (t.month != month) continue;
    for (const auto& d : t.file.duels) fromTournaments.push_back(FromTournamentDuel(t.file.date, d));
  }
  // A private copy: an editor saving the file meanwhile cannot pull it away.
  const std::optional<std::string_view> bytes =
      ReadWholeFileInto(db.location.DataPath(MonthFileName(db.setup.RatingYear, month)), scratch.file);

  if (quick) {
    FastMonthList* fast = &scratch.list;
    fast->Clear();
    bool usual = true;
    for (const auto& r : fromTournaments) usual = usual && fast->Add(r);
    if (usual && bytes) usual = fast->AddMonthFile(*bytes, today);
    if (usual && fast->Sorted(entries)) {
      collected += static_cast<long long>(fast->Size());
      return;
    }
  }
  std::vector<MonthResult> results = std::move(fromTournaments);
  // Records with no value at all (a damaged file: a line of commas) are all
  // alike: one of them stands for the rest, so that they cost no memory.
  long long emptyRecords = 0;
  if (bytes) {
    WriteFormReader r(*bytes);
    while (!r.AtEnd()) {
      const auto t = NextTransaction(r);
      if (!t) break;
      if (t->date.empty() && t->firstId.empty() && t->secondId.empty() && t->code.empty()) {
        if (emptyRecords++ > 0) continue;
      } else if (t->date > today) {
        continue;
      }
      results.push_back(FromMonthLine(*t));
    }
  }
  collected += static_cast<long long>(results.size()) + std::max(emptyRecords - 1, 0LL);
  entries = SortedMonthEntries(results, identify);
}

}  // namespace

std::string NotValidatedQuestion(const std::string& fileName) {
  return "The QTP tournament file " + fileName + " has not been\r"
         "validated and will be bypassed. The reason is probably\r"
         "that a new HRS file has been made from QTP.\r"
         "From Control Centre do this:\r"
         "\r"
         "1. First remove the tournament from the collection\r"
         "2. Then add the tournament in order to validate\r"
         "\r"
         "Do you want to continue the calculation of ratings ?";
}

int DefaultEndMonth(const SetupRecord& setup, const Clock& clock) {
  const Date today = clock.Today();
  return setup.RatingYear < today.year ? 12 : today.month;
}

std::string MonthProgressLabel(int year, int month) {
  return "  Year " + std::to_string(year) + " Month " + std::to_string(month);
}

CalculationOutcome CalculateRatings(Database& db, int startMonth, int endMonth, Dialogs& dialogs,
                                    const Clock& clock, const CalculationProgress& progress,
                                    MonthReading reading) {
  auto tell = [&](CalculationStep step, const std::string& label) {
    if (progress) progress(step, label);
  };
  if (startMonth < 1 || startMonth > 12) startMonth = 1;
  if (endMonth < 1 || endMonth > 12) endMonth = 12;

  CalculationOutcome outcome;
  SetupRecord& setup = db.setup;
  PlayerTable& players = db.players;
  const int count = players.PlayerCount;
  const std::string today = Yyyymmdd(clock.Today());
  // The loader repairs a factor below 1; a table built otherwise must not
  // divide by zero.
  const int winFactor = setup.WinFactor >= 1 ? setup.WinFactor : 400;
  const RatingGroups groups{setup.Group1Limit + 1, setup.Group2Limit + 1, setup.AdjConst1, setup.AdjConst2,
                            setup.AdjConst3};
  tell(CalculationStep::Initializing, "Initializing....");

  RatingRun run(count, setup.FirstRating, winFactor, groups);
  for (int id = 1; id <= count; ++id) {
    const PlayerRecord& p = players[id];
    if (startMonth > 1) {
      const int16_t prior = db.stats.At(id, startMonth);
      run.Running(id) = prior > 0 ? prior : p.StartRating;
    } else {
      run.Running(id) = p.StartRating > 0 ? p.StartRating : setup.FirstRating;
    }
  }
  const long long startTime = WholeSeconds(clock);

  const auto tournaments = ReadTournaments(db, dialogs);
  if (!tournaments) {
    outcome.stopped = true;
    return outcome;
  }

  const PlayerIdentifier identify(players);
  long long collected = 0;
  {
    MonthsAhead months(startMonth, endMonth, reading == MonthReading::Fast ? ReadingThreads() : 0,
                       [&](int month, MonthScratch& scratch, std::vector<RatedEntry>& entries, long long& n) {
                         MonthEntries(db, month, *tournaments, today, identify, scratch,
                                      reading != MonthReading::Straightforward, entries, n);
                       },
                       identify);
    for (int month = startMonth; month <= endMonth; ++month) {
      tell(CalculationStep::Month, MonthProgressLabel(setup.RatingYear, month));
      run.RateMonth(months.Take(month, collected));
      for (int id = 1; id <= count; ++id) db.stats.At(id, month + 1) = StoredRating(run.Running(id));
    }
  }

  long long elapsed = WholeSeconds(clock) - startTime;
  if (elapsed < 0) elapsed += 24 * 60 * 60;  // the run went past midnight
  tell(CalculationStep::Finished, "");

  for (int id = 1; id <= count; ++id) {
    PlayerRecord& p = players[id];
    p.Rating = StoredRating(run.Running(id));
    db.stats.At(id, endMonth + 1) = p.Rating;
    p.Won = StoredCount(run.Wins(id));
    p.Drawn = StoredCount(run.Draws(id));
    p.Lost = StoredCount(run.Losses(id));
  }
  if (auto error = SavePlayersAndStatistics(db.location, players, db.stats)) outcome.writeErrors.push_back(*error);
  if (players.ActiveCount > 0) {
    long long sum = 0;
    for (int id = 1; id <= count; ++id)
      if (players[id].Status == StatusActive) sum += players[id].Rating;
    db.AverageRating = static_cast<int>(RoundHalfEven(static_cast<double>(sum) / players.ActiveCount));
  }

  outcome.figures = {run.Calculations(), collected, run.Bypassed(), elapsed, db.location.dataInQtpDir};
  if (outcome.writeErrors.empty()) {
    outcome.report = CalculationReport(outcome.figures);
  } else {
    outcome.report = CalculationSaveFailure(outcome.writeErrors);
    outcome.reportIcon = Icon::Critical;
  }
  return outcome;
}

void ShowCalculationReport(const CalculationOutcome& outcome, Dialogs& dialogs) {
  if (outcome.stopped) return;
  dialogs.Message(outcome.report, Buttons::Ok, outcome.reportIcon);
}

}  // namespace hrs
