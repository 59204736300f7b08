#include "app/shell/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

#include "core/shell/window_arrangement.h"

namespace hrs::app {

std::filesystem::path ArrangementFilePath() {
  const QString programDir = QCoreApplication::applicationDirPath();
  QString dir = programDir;
  if (!QFileInfo(programDir).isWritable()) {
    dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(dir);
  }
  return std::filesystem::path(QDir(dir).filePath(QString::fromLatin1(ArrangementFile)).toStdString());
}

QString InstanceLockPath() {
  QString dir;
  if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
    dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return QDir(dir).filePath(QStringLiteral("hrs-%1.lock").arg(::getuid()));
}

}  // namespace hrs::app
