#pragma once
#include <string>
#include <vector>

#include "core/data/database.h"

namespace hrs {

// The lines of the status window's summary.
std::vector<std::string> StatusSummaryLines(const Database& db);

// The directory as the status window shows it: its last maxChars characters.
std::string StatusDirectoryText(const std::string& directory, size_t maxChars);

// The status window is filled at start-up and refreshed when a working
// window closes; each moment has always cut the directory to its own width.
enum class StatusMoment { StartUp, Refresh };
inline constexpr size_t StatusDirectoryWidth(StatusMoment moment) { return moment == StatusMoment::StartUp ? 45 : 42; }

}  // namespace hrs
