#pragma once
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/data/data_lock.h"
#include "core/data/database.h"

namespace hrs::cli {

// Says that an argument is not one of the command's; always ExitUsage.
int UnexpectedArgument(CliContext& ctx, const char* command, const std::string& argument);

// For commands that take no arguments: ExitOk when there are none.
int NoArguments(CliContext& ctx, const char* command);

// Loads the database as the desktop program does at start-up, with no screen:
// creation and repair questions are refused, questions whose text starts with
// one of goOnPrefixes are answered to go on. False (messages on the error
// stream) when loading did not complete.
bool LoadForCommand(CliContext& ctx, Database& db, std::vector<std::string> goOnPrefixes);

// For commands that write: holds the data against the desktop program for
// the command's run. False (message on the error stream) when it has them.
bool LockForWriting(CliContext& ctx, DataLock& lock);

// What read-only commands accept: a database that holds no players.
inline const std::vector<std::string> EmptyClubIsFine = {"No players in the database"};

}  // namespace hrs::cli
