#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/data_location.h"

namespace hrs {

// The installation setting of where the data lives, read from the small
// file "hrs.ini" in the write form, one setting per line:
//
//   "DataInQtpDir",1
//   "QtpDir","/home/club/qtpwin"
//   "DriveA","/media/club/diskette"
//
// DataInQtpDir 1 keeps the data files in the companion program's directory
// QtpDir instead of the current directory (0, the default). QtpDir defaults
// to "qtpwin" in the home directory; "~/" at its start stands for the home
// directory and a relative path is taken from the folder of the settings
// file. DriveA is the folder that stands for the diskette drive A: (the
// sanctioned report files go there), by default "hrs-diskette" in the home
// directory, made when first used. Names are compared without regard to case; unknown names are left
// alone so that later versions may add settings.
inline constexpr const char* InstallationFile = "hrs.ini";

struct InstallationSettings {
  bool dataInQtpDir = false;
  std::filesystem::path qtpDir;
  std::filesystem::path driveA;
  std::filesystem::path source;        // the file the settings came from, empty when none
  std::vector<std::string> problems;   // lines that could not be used, for the operator
};

// The companion's directory when nothing is configured: home/qtpwin.
std::filesystem::path DefaultQtpDir(const std::filesystem::path& home);
// Drive A when nothing is configured: home/hrs-diskette.
std::filesystem::path DefaultDriveA(const std::filesystem::path& home);

// Where the settings file is looked for, first found wins: the per-user
// configuration folder (configHome/hrs/hrs.ini), then beside the program.
std::vector<std::filesystem::path> InstallationFileCandidates(const std::filesystem::path& configHome,
                                                              const std::filesystem::path& programDir);

// Reads the settings from the file's bytes; `fileDir` anchors a relative QtpDir.
InstallationSettings ParseInstallationSettings(std::string_view bytes, const std::filesystem::path& fileDir,
                                               const std::filesystem::path& home);

// The settings of the first candidate file that exists, or the defaults.
// When the data is to live in a companion directory that does not exist,
// that is a problem too, so the operator learns why no file is found.
InstallationSettings LoadInstallationSettings(const std::vector<std::filesystem::path>& candidates,
                                              const std::filesystem::path& home);

class Dialogs;
// Tells the operator which lines of the settings file could not be used,
// when there are any.
void TellInstallationProblems(const InstallationSettings& settings, Dialogs& dialogs);

// The data location of a run started in currentDir under these settings.
DataLocation LocateData(const std::filesystem::path& currentDir, const InstallationSettings& settings);

}  // namespace hrs
