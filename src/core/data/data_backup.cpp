#include "core/data/data_backup.h"

#include <filesystem>

#include "core/data/file_io.h"
#include "core/data/write_steps.h"
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
  // The copies go into a folder of ours that takes its name last, so that a
  // backup folder is complete or absent; the next run removes one left by a
  // killed run.
  const std::string stamp = Stamp(clock.Now());
  const fs::path building = write_steps::ScratchName(root / stamp, ".tmp");
  fs::create_directory(building, ec);
  if (ec) {
    backup.error = "Cannot create " + building.string() + ": " + ec.message();
    return backup;
  }
  auto fail = [&](std::string why) {
    std::error_code ignored;
    fs::remove_all(building, ignored);
    fs::remove(root, ignored);  // only when nothing else is kept there
    backup.error = std::move(why);
    return backup;
  };
  for (const auto& file : names) {
    const fs::path source = where.DataPath(file);
    if (!FileExists(source)) continue;
    const auto bytes = ReadWholeFile(source);
    if (!bytes) return fail("Cannot read " + source.string());
    if (auto error = WriteFileAtomically(building / source.filename(), *bytes)) return fail(*error);
  }
  // Two operations within one second each keep their own copy.
  std::string name = stamp;
  for (int n = 2; fs::exists(root / name, ec); ++n) {
    if (n > 99) return fail("Cannot create " + (root / name).string());
    name = stamp + "-" + std::to_string(n);
  }
  if (!write_steps::RenameFile(building, root / name))
    return fail(write_steps::ErrnoText("Cannot create", root / name));
  backup.folder = "backup/" + name;
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
