#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/transaction.h"
#include "core/data/failure.h"

namespace hrs {

// A tournament result file as read: line 1 "kontrol" once validated, then the
// date line, then five values per duel.
struct TournamentFile {
  bool validated = false;    // line 1 is "kontrol"
  std::string date;          // the date line ("yyyymmdd" when usable)
  std::vector<TournamentDuel> duels;
  bool complete = true;      // false when the last duel was cut short

  // The month of the tournament (characters 5-6 of the date), or 0 when the
  // date is not exactly 8 characters long.
  int Month() const;
};

// Reads a validated file; for a file without "kontrol" only `validated` is set.
std::optional<TournamentFile> ParseTournamentFile(std::string_view bytes);

// The bytes of a validated file: "kontrol", the date, then the duels with
// numbers written bare (ids and participant numbers) and the code quoted.
std::string TournamentFileBytes(const std::string& date, const std::vector<TournamentDuel>& duels);

// Writes a validated file whole (replacing any file of that name atomically);
// the reason on failure, when the old file is left as it was.
Failure SaveTournamentFile(const std::filesystem::path& path, const std::string& date,
                           const std::vector<TournamentDuel>& duels);

}  // namespace hrs
