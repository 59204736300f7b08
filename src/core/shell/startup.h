#pragma once
#include "core/data/data_lock.h"
#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"

namespace hrs {

// The notice shown when the rating year is not the calendar year.
bool IsOldRatingYear(const SetupRecord& setup, const Clock& clock);
void ShowOldRatingYearNotice(Dialogs& dialogs);

// The main window's title once the data are loaded: the product, 50 blanks
// and today's short date.
std::string MainWindowTitle(const Clock& clock);

// Why this copy cannot be the only one that runs.
enum class SecondInstance { Running, LockNotWritable };
// Beeps and tells the operator; the copy then ends.
void RefuseSecondInstance(SecondInstance why, const std::string& lockFile, Dialogs& dialogs);

// Takes the data for this copy of the program: false, after telling the
// operator, when another program holds them; files left half-written by an
// interrupted run are finished first and the operator is told.
bool TakeDataForProgram(DataLock& lock, const std::filesystem::path& dataDir, Dialogs& dialogs);

enum class StartupStep { Setup, Players, Statistics, Done };

// Loads setup, players and statistics in that order with their questions and
// the old-year notice between setup and players. Sets StartupOk; on a
// failure the counters shown on the status screen are reset to 0.
// Returns the step that failed (Done on success).
StartupStep LoadDatabase(Database& db, Dialogs& dialogs, const Clock& clock);

}  // namespace hrs
