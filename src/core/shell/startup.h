#pragma once
#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"

namespace hrs {

// The notice shown when the rating year is not the calendar year.
bool IsOldRatingYear(const SetupRecord& setup, const Clock& clock);
void ShowOldRatingYearNotice(Dialogs& dialogs);

enum class StartupStep { Setup, Players, Statistics, Done };

// Loads setup, players and statistics in that order with their questions and
// the old-year notice between setup and players. Sets StartupOk; on a
// failure the counters shown on the status screen are reset to 0.
// Returns the step that failed (Done on success).
StartupStep LoadDatabase(Database& db, Dialogs& dialogs, const Clock& clock);

}  // namespace hrs
