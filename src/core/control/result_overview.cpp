#include "core/control/result_overview.h"

#include "core/data/file_io.h"
#include "core/data/month_file.h"
#include "core/data/registry_file.h"
#include "core/data/tournament_file.h"
#include "core/text/align.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

int MonthOfDate(const std::string& date) {
  if (date.size() < 6) return 0;
  const auto m = NumericValue(date.substr(4, 2));
  return m ? static_cast<int>(*m) : 0;
}

// Adds a line unless the list is full; false once it is.
bool Add(ResultOverview& out, std::string line) {
  if (out.lines.size() >= ResultOverviewLimit) {
    out.tooMany = true;
    return false;
  }
  out.lines.push_back(std::move(line));
  return true;
}

// The player an id of a result names, or 0.
int PlayerNamed(const std::string& id, const PlayerTable& players) {
  const auto v = NumericValue(id);
  if (!v) return 0;
  if (*v >= 1 && *v <= players.PlayerCount && *v == static_cast<long long>(*v)) return static_cast<int>(*v);
  for (int sysId = 1; sysId <= players.PlayerCount; ++sysId)
    if (std::to_string(players[sysId].MbShipNo) == Trim(id)) return sysId;
  return 0;
}

}  // namespace

std::string ResultOverviewLine(const std::string& day, const std::string& winner, const std::string& loser,
                               const std::string& mark) {
  return day + RightAlign(winner, 8) + RightAlign(loser, 8) + "   " + mark;
}

std::string ResultOverviewCaption(int year, int month) {
  return std::string("Overview for ") + MonthName(month) + " " + std::to_string(year);
}

ResultOverview BuildResultOverview(const Database& db, int year, int month) {
  ResultOverview out;
  for (const auto& name : ReadRegistry(db.location, year)) {
    auto bytes = ReadWholeFile(db.location.DataPath(name));
    if (!bytes) {
      out.missingTournament = true;
      continue;
    }
    // What the calculation refuses is not shown as if it were rated.
    const auto file = ParseTournamentFile(*bytes);
    if (!file || !file->validated || file->Month() != month) continue;
    const std::string day = LastChars(file->date, 2);
    for (const auto& d : file->duels)
      if (!Add(out, ResultOverviewLine(day, d.firstId, d.secondId, d.code))) return out;
  }
  for (const auto& t : ReadMonthFile(db.location, year, month)) {
    if (MonthOfDate(t.date) != month) continue;
    if (!Add(out, ResultOverviewLine(LastChars(t.date, 2), t.firstId, t.secondId, t.code))) return out;
  }
  return out;
}

ResultOverview RunResultOverview(const Database& db, int year, int month, Dialogs& dialogs) {
  ResultOverview out = BuildResultOverview(db, year, month);
  if (out.missingTournament) {
    dialogs.Beep();
    dialogs.Message(TournamentFilesNotFound);
  }
  if (out.tooMany) {
    dialogs.Beep();
    dialogs.Message(TooManyResultsMessage, Buttons::Ok, Icon::Information, TooManyResultsTitle);
  }
  return out;
}

std::string DuelDescription(const std::string& line, size_t duelsThisMonth, const PlayerTable& players) {
  const std::string winner = Trim(line.size() > 2 ? line.substr(2, 8) : "");
  const std::string loser = Trim(line.size() > 10 ? line.substr(10, 8) : "");
  std::string text = "Duels this month: " + std::to_string(duelsThisMonth) + "\r";
  if (int id = PlayerNamed(winner, players)) text += "\rWinner: " + players[id].Name.str();
  if (int id = PlayerNamed(loser, players)) text += "\rLoser:  " + players[id].Name.str();
  return text;
}

}  // namespace hrs
