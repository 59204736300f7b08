#pragma once
#include "core/data/data_location.h"
#include "core/data/installation_settings.h"
#include "core/platform/dialogs.h"

namespace hrs::app {

// The installation settings of the desktop program: hrs.ini in the per-user
// configuration folder, else beside the program.
InstallationSettings LoadAppInstallationSettings();

// The data location of this run (the current directory, or QtpDir when the
// setting is on). Problems with the settings file are shown to the operator.
DataLocation InstalledDataLocation(Dialogs& dialogs);

}  // namespace hrs::app
