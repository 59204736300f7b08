#pragma once
#include <filesystem>

#include "core/data/database.h"
#include "core/platform/dialogs.h"
#include "core/shell/window_arrangement.h"

namespace hrs {

// Closing the main window: first the rating statistics, when the data were
// loaded; a failure is told and closing goes on.
void SaveStatisticsOnClose(const Database& db, Dialogs& dialogs);

// Last, once every window has stored its place: the window arrangement. A
// failure is told (the places would be lost unseen) and closing goes on.
void SaveArrangementOnClose(const std::filesystem::path& file, const WindowArrangement& arrangement, Dialogs& dialogs);

}  // namespace hrs
