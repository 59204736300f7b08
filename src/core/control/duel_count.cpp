#include "core/control/duel_count.h"

#include <cstring>

#include "core/data/file_io.h"
#include "core/data/registry_file.h"
#include "core/data/setup_file.h"
#include "core/data/tournament_file.h"
#include "core/data/transaction_names.h"
#include "core/rating/calculate_ratings.h"

namespace hrs {

size_t CountRecords(std::string_view bytes, size_t valuesPerRecord) {
  // Lines with nothing after the last value of the file are no values; an
  // empty line before it is one empty value; commas inside quotes separate nothing.
  // An end-of-file mark (Ctrl-Z) ends the content.
  if (const size_t eof = bytes.find('\x1A'); eof != std::string_view::npos) bytes = bytes.substr(0, eof);
  const char* p = bytes.data();
  // Where the last line that holds anything ends.
  const char* last = p + bytes.size();
  while (last > p && (last[-1] == '\n' || last[-1] == '\r' || last[-1] == ' ' || last[-1] == '\t')) --last;
  if (last == p) return 0;
  size_t values = 0;
  while (p < last) {
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(last - p)));
    const char* lineEnd = lf ? lf : last;
    size_t commas = 0;
    const char* q = p;
    while (q < lineEnd) {
      // A quoted value runs to its closing quote on the same line.
      while (q < lineEnd && (*q == ' ' || *q == '\t' || *q == '\r')) ++q;
      if (q < lineEnd && *q == '"') {
        const char* close = static_cast<const char*>(std::memchr(q + 1, '"', static_cast<size_t>(lineEnd - q - 1)));
        q = close ? close + 1 : lineEnd;
      }
      const char* comma = static_cast<const char*>(std::memchr(q, ',', static_cast<size_t>(lineEnd - q)));
      if (!comma) break;
      ++commas;
      q = comma + 1;
    }
    values += commas + 1;
    p = lf ? lf + 1 : last;
  }
  return values / valuesPerRecord;
}

long long CountDuelsInBase(const Database& db, const Clock& clock) {
  const int year = db.setup.RatingYear;
  const int lastMonth = DefaultEndMonth(db.setup, clock);
  long long total = 0;
  for (const auto& name : ReadRegistry(db.location, year)) {
    auto bytes = ReadWholeFile(db.location.DataPath(name));
    if (!bytes) continue;
    const auto file = ParseTournamentFile(*bytes);
    if (!file || !file->validated) continue;
    const int month = file->Month();
    if (month >= 1 && month <= lastMonth) total += static_cast<long long>(file->duels.size());
  }
  for (int month = 1; month <= lastMonth; ++month) {
    if (auto file = ReadWholeFile(db.location.DataPath(MonthFileName(year, month))))
      total += static_cast<long long>(CountRecords(*file, 4));
  }
  return total;
}

DuelCountOutcome CountAndKeepDuels(Database& db, const Clock& clock) {
  DuelCountOutcome out;
  out.total = CountDuelsInBase(db, clock);
  db.setup.LatestCount = static_cast<int32_t>(out.total);
  out.saveError = SaveSetup(db.location, db.setup);
  return out;
}

std::string DuelCountText(long long total) { return " " + std::to_string(total) + " validated duels "; }

}  // namespace hrs
