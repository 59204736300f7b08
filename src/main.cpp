// hrs [DATA_DIR | --desktop]: the desktop program. The data directory is the
// current directory, or the one given, which the program changes into first.
// The desktop menu's entry starts it with --desktop: the folder HRS in the
// home folder, created empty on the first start so that start-up asks its
// questions of a new club there.
#include <QApplication>
#include <QDir>
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
    QMessageBox::critical(nullptr, QString::fromLatin1(hrs::ProductTitle),
                          QStringLiteral("Usage: hrs [DATA_DIR | --desktop]"));
    return 2;
  }
  std::error_code ec;
  if (args.size() == 2) {
    // The bytes as given: a folder name need not be valid text.
    std::filesystem::path dir(argv[1]);
    if (args[1] == QLatin1String("--desktop")) {
      dir = std::filesystem::path(QDir::homePath().toStdString()) / "HRS";
      std::filesystem::create_directories(dir, ec);
    }
    if (!ec) std::filesystem::current_path(dir, ec);
    if (ec) {
      QMessageBox::critical(nullptr, QString::fromLatin1(hrs::ProductTitle),
                            QStringLiteral("The data directory %1 cannot be opened:\n%2")
                                .arg(QString::fromStdString(dir.string()), QString::fromStdString(ec.message())));
      return 2;
    }
  }

  QPrinter printer;
  hrs::app::QtDialogs dialogs(printer);
  hrs::app::QtPrintJob printJob(printer);
  hrs::SystemClock clock;
  hrs::app::MDIForm1 mainWindow(dialogs, clock, printJob);
  mainWindow.context().pictures = &printJob;
  dialogs.SetParent(&mainWindow);

  const hrs::app::StartupPaths paths{hrs::app::InstalledDataLocation(dialogs), hrs::app::InstanceLockPath(),
                                     hrs::app::ArrangementFilePath()};
  if (!mainWindow.Start(paths)) return 1;
  return QApplication::exec();
}
