// hrs [DATA_DIR]: the desktop program. The data directory is the current
// directory, or the one given, which the program changes into first.
#include <QApplication>
#include <QMessageBox>
#include <QPrinter>
#include <filesystem>
#include <system_error>

#include "app/data/installed_location.h"
#include "app/platform/qt_dialogs.h"
#include "app/platform/qt_print_job.h"
#include "app/shell/app_paths.h"
#include "app/shell/mdi_form.h"
#include "core/data/database.h"
#include "core/platform/clock.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("hrs"));

  const QStringList args = QApplication::arguments();
  if (args.size() > 2) {
    QMessageBox::critical(nullptr, QString::fromLatin1(hrs::ProductTitle), QStringLiteral("Usage: hrs [DATA_DIR]"));
    return 2;
  }
  std::error_code ec;
  if (args.size() == 2) {
    // The bytes as given: a folder name need not be valid text.
    std::filesystem::current_path(std::filesystem::path(argv[1]), ec);
    if (ec) {
      QMessageBox::critical(nullptr, QString::fromLatin1(hrs::ProductTitle),
                            QStringLiteral("The data directory %1 cannot be opened:\n%2")
                                .arg(args[1], QString::fromStdString(ec.message())));
      return 2;
    }
  }

  QPrinter printer;
  hrs::app::QtDialogs dialogs(printer);
  hrs::app::QtPrintJob printJob(printer);
  hrs::SystemClock clock;
  hrs::app::MDIForm1 mainWindow(dialogs, clock, printJob);
  dialogs.SetParent(&mainWindow);

  const hrs::app::StartupPaths paths{hrs::app::InstalledDataLocation(dialogs), hrs::app::InstanceLockPath(),
                                     hrs::app::ArrangementFilePath()};
  if (!mainWindow.Start(paths)) return 1;
  return QApplication::exec();
}
