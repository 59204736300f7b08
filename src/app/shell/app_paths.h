#pragma once
#include <QString>
#include <filesystem>

namespace hrs::app {

// hrs_k beside the program when that folder is writable, else in the
// user's configuration folder.
std::filesystem::path ArrangementFilePath();

// The lock that keeps a second copy of the program from starting; one per
// user.
QString InstanceLockPath();

}  // namespace hrs::app
