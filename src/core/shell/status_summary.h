#pragma once
#include <string>
#include <vector>

#include "core/data/database.h"

namespace hrs {

// The lines of the status window's summary.
std::vector<std::string> StatusSummaryLines(const Database& db);

// The directory as the status window shows it: its last maxChars characters
// (45 at start-up, 42 on refresh).
std::string StatusDirectoryText(const std::string& directory, size_t maxChars);

}  // namespace hrs
