#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"

namespace hrs {

struct FileOverview {
  // The registered tournament files (sorted, RQTP-0042.DAT) then the month
  // files of the rating year that exist (RS2026-06.DAT).
  std::vector<std::string> lines;
  // Set when the registry had to be made, or could not be read or made.
  std::optional<std::string> registryProblem;
};

enum class MissingRegistry { Create, LeaveAlone };

// The file overview of the rating year. A missing registry is created
// holding "No QTP files" (or left alone, for a run that writes nothing).
FileOverview BuildFileOverview(const Database& db, MissingRegistry missing);

// The names of the companion program's tournament files in the directory
// ("rqtp*.*"), in the order of a file list.
std::vector<std::string> CompanionFileNames(const DataLocation& where);

// The companion program's tournament files in the directory ("rqtp*.*"):
// code in capitals, a space and the tournament's name from code + "fast.dat";
// "No Qtp Files" when there are none.
std::vector<std::string> CompanionFileLines(const DataLocation& where);

// The header over the two lists in the file overview and Remove Tournament,
// and the one of Add Tournament.
std::string CollectionHeader();
std::string CompanionHeader();

inline constexpr const char* NoQtpFilesLine = "No Qtp Files";
inline constexpr const char* QtpNameNotFound = "QTP name not found";

}  // namespace hrs
