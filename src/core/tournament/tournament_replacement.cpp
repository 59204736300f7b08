#include "core/tournament/tournament_replacement.h"

#include <algorithm>

#include "core/data/file_io.h"
#include "core/data/registry_file.h"
#include "core/text/numeric.h"
#include "core/tournament/output_files.h"
#include "core/tournament/playoff.h"
#include "core/tournament/tournament_files.h"

namespace hrs {

DayTournament TournamentOfTheDay(const DataLocation& where, const std::string& base, int ratingYear) {
  DayTournament day;
  day.base = base;
  const std::string rhrs = RankingSystemFileName(base);
  const auto registry = ReadRegistry(where, ratingYear);
  day.registered =
      std::any_of(registry.begin(), registry.end(), [&](const std::string& name) { return EqualsNoCase(name, rhrs); });
  // Read without a word: a tournament that cannot be read holds no result.
  const auto header = ReadWholeFile(where.DataPath(TournamentFileName(base, HeaderSuffix)));
  const auto h = header ? ReadHeaderFile(*header) : std::nullopt;
  const auto matches = ReadWholeFile(where.DataPath(TournamentFileName(base, MatchSuffix)));
  auto m = h && matches ? ReadMatchFile(*matches, h->Rounds, h->Tables) : std::nullopt;
  if (!m) return day;
  SmallTournament t;
  t.base = base;
  t.matches = std::move(*m);
  const bool bracket = LoadBracket(where, t);
  day.results = static_cast<int>(FiledMatches(t, bracket).size());
  return day;
}

std::string ReplaceTournamentQuestion(const DayTournament& day) {
  const std::string results = std::to_string(day.results) + (day.results == 1 ? " result" : " results");
  return "Tournament " + day.base + " of today holds " + results + "\r" + "and its file " +
         RankingSystemFileName(day.base) + (day.registered ? " is" : " is not") + " registered for rating." + "\r\r" +
         "There is one tournament per day: a new match program" + "\r" + "replaces it, results and all." + "\r\r" +
         "Do you want to replace tournament " + day.base + "?";
}

}  // namespace hrs
