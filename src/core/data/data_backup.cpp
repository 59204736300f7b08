#include "core/data/data_backup.h"

#include <filesystem>

#include "core/data/file_io.h"
#include "core/text/align.h"

namespace hrs {

namespace fs = std::filesystem;

namespace {

std::string Stamp(const DateTime& t) {
  return Yyyymmdd(t.date) + "-" + TwoDigits(t.hour) + TwoDigits(t.minute) + TwoDigits(t.second);
}

}  // namespace

DataBackup BackUpDataFiles(const DataLocation& where, const Clock& clock, const std::vector<std::string>& names) {
  DataBackup backup;
  const fs::path root = where.DataDir() / "backup";
  std::error_code ec;
  fs::create_directories(root, ec);
  if (ec) {
    backup.error = "Cannot create " + root.string() + ": " + ec.message();
    return backup;
  }
  // Two operations within one second each keep their own copy.
  const std::string stamp = Stamp(clock.Now());
  std::string name = stamp;
  for (int n = 2;; ++n) {
    if (fs::create_directory(root / name, ec)) break;
    if (ec || n > 99) {
      backup.error = "Cannot create " + (root / name).string() + (ec ? ": " + ec.message() : std::string());
      return backup;
    }
    name = stamp + "-" + std::to_string(n);
  }
  backup.folder = "backup/" + name;
  const fs::path folder = root / name;
  for (const auto& file : names) {
    const fs::path source = where.DataPath(file);
    if (!FileExists(source)) continue;
    const auto bytes = ReadWholeFile(source);
    std::optional<std::string> error;
    if (!bytes) error = "Cannot read " + source.string();
    else error = WriteFileAtomically(folder / source.filename(), *bytes);
    if (error) {
      fs::remove_all(folder, ec);
      fs::remove(root, ec);  // only when nothing else is kept there
      backup.error = *error;
      return backup;
    }
  }
  return backup;
}

void DiscardBackup(const DataLocation& where, const DataBackup& backup) {
  if (backup.folder.empty()) return;
  std::error_code ec;
  fs::remove_all(where.DataDir() / backup.folder, ec);
  fs::remove(where.DataDir() / "backup", ec);  // only when nothing else is kept there
}

std::string BackupLine(const DataBackup& backup) {
  return "The files as they were before are kept in the folder " + backup.folder + ".";
}

std::string BackupFailedMessage(const DataBackup& backup) {
  return "No backup copy of the data files could be made, so nothing has been changed.\r" + backup.error;
}

}  // namespace hrs
