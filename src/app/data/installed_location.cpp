#include "app/data/installed_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace hrs::app {

namespace {

std::filesystem::path FsPath(const QString& path) { return std::filesystem::path(path.toStdString()); }

}  // namespace

InstallationSettings LoadAppInstallationSettings() {
  const auto configHome = FsPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  const auto programDir = FsPath(QCoreApplication::applicationDirPath());
  return LoadInstallationSettings(InstallationFileCandidates(configHome, programDir), FsPath(QDir::homePath()));
}

DataLocation InstalledDataLocation(Dialogs& dialogs) {
  const InstallationSettings settings = LoadAppInstallationSettings();
  TellInstallationProblems(settings, dialogs);
  return LocateData(FsPath(QDir::currentPath()), settings);
}

}  // namespace hrs::app
