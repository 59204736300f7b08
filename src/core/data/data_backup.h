#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/data/data_location.h"
#include "core/platform/clock.h"

namespace hrs {

// A copy of the data files an operation is about to change or rename, kept
// in "backup/yyyymmdd-hhmmss" of the data directory before it changes any.
struct DataBackup {
  std::string folder;  // "backup/20261208-143000", relative to the data directory
  std::string error;   // why no copy could be made; empty when made
  bool Made() const { return error.empty(); }
};

// Copies those of the named files that exist (found without regard to case).
// A failure leaves no folder behind.
DataBackup BackUpDataFiles(const DataLocation& where, const Clock& clock, const std::vector<std::string>& names);

// Removes a backup again when the operation it was made for changed nothing.
void DiscardBackup(const DataLocation& where, const DataBackup& backup);

// The last line of an operation's final message.
std::string BackupLine(const DataBackup& backup);

// The message when no backup could be made: the operation does not start.
std::string BackupFailedMessage(const DataBackup& backup);

}  // namespace hrs
