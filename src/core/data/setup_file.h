#pragma once
#include <optional>
#include <string>

#include "core/data/data_location.h"
#include "core/data/setup_record.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/data/failure.h"

namespace hrs {

// The bytes of the setup file for a record.
std::string SetupFileBytes(const SetupRecord& setup);

// Parses the setup file: nothing when line 1 cannot be read; missing later
// values stay 0 and are repaired by the defaults.
std::optional<SetupRecord> ParseSetupFile(std::string_view bytes);

// Reads the setup, or offers its creation. False when the operator refused
// creation (start-up ends) or the new file could not be written.
bool LoadSetup(const DataLocation& where, SetupRecord& setup, Dialogs& dialogs, const Clock& clock);

// Rewrites the setup file whole; the reason on failure.
Failure SaveSetup(const DataLocation& where, const SetupRecord& setup);

}  // namespace hrs
