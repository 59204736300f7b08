#include "core/data/rating_stats_file.h"

#include "core/data/file_io.h"
#include "core/data/write_form.h"
#include "core/platform/question_names.h"

namespace hrs {

std::string RatingStatsBytes(const RatingStats& stats, int playerCount) {
  std::string out;
  out.reserve(static_cast<size_t>(playerCount) * 70);
  for (int id = 1; id <= playerCount; ++id) {
    WriteFormLine line;
    for (int c = 1; c <= 13; ++c) line.Number(stats.At(id, c));
    out += line.Str();
  }
  return out;
}

namespace {

// The file as this system writes it: bare whole numbers, commas and line
// breaks only. Where it holds anything else the reader decides, and for
// such a file it reads the same numbers.
bool QuickRatingStats(std::string_view bytes, int playerCount, RatingStats& stats) {
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  for (int id = 1; id <= playerCount; ++id) {
    for (int c = 1; c <= 13; ++c) {
      const bool negative = p < end && *p == '-';
      p += negative;
      const char* const first = p;
      int v = 0;
      while (p < end && digit(*p) && p - first < 5) v = v * 10 + (*p++ - '0');
      if (p == first || (p < end && digit(*p))) return false;
      if (negative) v = -v;
      if (v < -32768 || v > 32767) return false;
      stats.At(id, c) = static_cast<int16_t>(v);
      if (p == end) {
        if (id != playerCount || c != 13) return false;
      } else if (*p == ',' || *p == '\n') {
        ++p;
      } else if (*p == '\r' && end - p > 1 && p[1] == '\n') {
        p += 2;
      } else {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool ParseRatingStats(std::string_view bytes, int playerCount, RatingStats& stats) {
  if (QuickRatingStats(bytes, playerCount, stats)) return true;
  WriteFormReader r(bytes);
  for (int id = 1; id <= playerCount; ++id) {
    for (int c = 1; c <= 13; ++c) {
      auto v = r.Int16();
      if (!v) return false;
      stats.At(id, c) = *v;
    }
  }
  return true;
}

bool LoadRatingStatistics(const DataLocation& where, RatingStats& stats, int playerCount, int firstRating,
                          Dialogs& dialogs) {
  stats.Clear();
  const auto path = where.DataPath(StatFile);
  auto bytes = ReadWholeFile(path);
  if (!bytes) {
    if (dialogs.Message("File of rating statistics not found\r\rPlease confirm file creation", Buttons::OkCancel,
                        Icon::Question, {}, question::StatisticsCreation) != Answer::Ok)
      return false;
    if (auto error = SaveRatingStatistics(where, stats, playerCount)) {
      dialogs.Message("The file of rating statistics could not be written.\r" + *error, Buttons::Ok,
                      Icon::Critical);
      return false;
    }
    // Rows without a player start from the default, as after a normal load.
    for (int id = playerCount + 1; id <= PlayerCapacity; ++id) stats.At(id, 1) = static_cast<int16_t>(firstRating);
    return true;
  }
  if (!ParseRatingStats(*bytes, playerCount, stats)) {
    if (dialogs.Message("Rating statistics not found\r\rPlease confirm if this is correct", Buttons::YesNo,
                        Icon::Question, {}, question::StatisticsNotFound) != Answer::Yes)
      return false;
    stats.Clear();
    for (int id = 1; id <= PlayerCapacity; ++id) stats.At(id, 1) = static_cast<int16_t>(firstRating);
    if (!KeptDamagedCopy(path, *bytes, dialogs)) return false;
    if (auto error = SaveRatingStatistics(where, stats, playerCount)) {
      dialogs.Message("The file of rating statistics could not be written.\r" + *error, Buttons::Ok,
                      Icon::Critical);
      return false;
    }
    return true;
  }
  for (int id = playerCount + 1; id <= PlayerCapacity; ++id) stats.At(id, 1) = static_cast<int16_t>(firstRating);
  return true;
}

Failure SaveRatingStatistics(const DataLocation& where, const RatingStats& stats, int playerCount) {
  if (playerCount <= 0) return std::nullopt;
  return WriteFileAtomically(where.DataPath(StatFile), RatingStatsBytes(stats, playerCount));
}

}  // namespace hrs
