#pragma once
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/platform/dialogs.h"

namespace hrs {

// Remove Tournament's removal, shared by the Control Centre and hrs-cli:
// takes the file `file` (compared ignoring case) out of the registry of
// `year` once the operator confirms, with the window's messages. The
// tournament file itself stays.
enum class TournamentRemoval { Removed, Refused, Cancelled };
TournamentRemoval RemoveTournament(const Database& db, int year, const std::string& file, Dialogs& dialogs);

// The registry lines as Remove Tournament lists them, sorted.
std::vector<std::string> RemovalLines(const std::vector<std::string>& registryLines);

std::string NotRegisteredMessage(const std::string& file, int year);

}  // namespace hrs
