#pragma once
#include <string>

#include "cli/cli.h"
#include "core/data/data_lock.h"
#include "core/data/database.h"

namespace hrs::cli {

// Says that an argument is not one of the command's; always ExitUsage.
int UnexpectedArgument(CliContext& ctx, const std::string& argument);

// Says what is wrong with the arguments ("hrs-cli COMMAND: what"); always
// ExitUsage.
int UsageError(CliContext& ctx, const std::string& what);

// Whether a command works on a club that holds no players yet.
enum class EmptyClub { Refused, Fine };

// Loads the database as the desktop program does at start-up, with no
// screen: creation and repair questions are refused (printed with the
// answer); an empty club is taken as it is where the command works on one.
// False (messages on the error stream) when loading did not complete.
bool LoadForCommand(CliContext& ctx, Database& db, EmptyClub emptyClub);

// For commands that write: holds the data against the desktop program for
// the command's run. False (message on the error stream) when it has them.
bool LockForWriting(CliContext& ctx, DataLock& lock);

}  // namespace hrs::cli
