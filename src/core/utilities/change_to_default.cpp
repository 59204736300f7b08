#include "core/utilities/change_to_default.h"

#include <filesystem>

#include "core/data/data_backup.h"
#include "core/data/file_change.h"
#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/registry_file.h"
#include "core/data/setup_file.h"
#include "core/data/transaction_names.h"
#include "core/data/write_form.h"

namespace hrs {

namespace fs = std::filesystem;

namespace {

std::string Year(int year) { return std::to_string(year); }

// The same name with ".old" in place of its extension.
fs::path OldName(const fs::path& path) {
  fs::path old = path;
  return old.replace_extension(".old");
}

// The copy of a file kept under another name, when the file is there. One
// that is there but cannot be read stops the change: its .old copy would be
// missing while the file itself is replaced.
Failure CopyIfThere(const DataLocation& where, const std::string& from, const std::string& to, FileChange& change) {
  const fs::path source = where.DataPath(from);
  if (!FileExists(source)) return std::nullopt;
  auto bytes = ReadWholeFile(source);
  if (!bytes) return "Cannot read " + source.filename().string();
  change.rewrites.push_back({where.DataPath(to), std::move(*bytes)});
  return std::nullopt;
}

void RenameToOld(const DataLocation& where, const std::string& name, FileChange& change) {
  const fs::path source = where.DataPath(name);
  if (!FileExists(source)) return;
  const fs::path target = FindNoCase(source.parent_path(), OldName(source).filename().string());
  std::error_code ec;
  if (fs::exists(target, ec)) return;
  change.renames.emplace_back(source, target);
}

}  // namespace

void ResetTableToDefault(PlayerTable& players, RatingStats& stats, int firstRating) {
  const auto first = static_cast<int16_t>(firstRating);
  for (int id = 1; id <= players.PlayerCount; ++id) {
    PlayerRecord& p = players[id];
    p.StartRating = p.Rating = p.PrevRating = first;
    p.Won = p.Drawn = p.Lost = 0;
    p.CarriedCounts = TextField::Zero();
    if (p.Status == StatusDeleted) {
      p.Name = TextField::Of("");
      p.Info = TextField::Of("");
      p.MbShipNo = 0;
      p.Status = StatusVoid;
    }
    stats.At(id, 1) = first;
    for (int c = 2; c <= 13; ++c) stats.At(id, c) = 0;
  }
}

std::string ChangeToDefaultDoneMessage(const std::vector<std::string>& keptMonthFiles) {
  std::string text =
      "Operation successfully completed\r"
      "All ratings have been changed to the default\r"
      "Deleted players have been changed to void\r"
      "\r";
  if (keptMonthFiles.empty()) {
    text +=
        "The collection of rating adjusting tournaments\r"
        "and month files have been emptied.\r"
        "\r"
        "All old files have been renamed .old";
    return text;
  }
  text +=
      "The collection of rating adjusting tournaments has been emptied.\r"
      "These month files were kept with their results,\r"
      "as their .old names are taken already:\r";
  for (const std::string& name : keptMonthFiles) text += name + "\r";
  text += "\rAll other old files have been renamed .old";
  return text;
}

bool ChangeRatingsToDefault(Database& db, Dialogs& dialogs, const Clock& clock) {
  const DataLocation& where = db.location;
  const int year = db.setup.RatingYear;
  const std::string yyyy = Year(year);
  std::vector<std::string> changed = {PlayerFile, StatFile, RegistryFileName(year), RankFile, SetupFile,
                                      "player" + yyyy + ".old", "ratstat" + yyyy + ".old", "qtpr" + yyyy + ".old"};
  for (int m = 1; m <= 12; ++m) changed.push_back(MonthFileName(year, m));
  const DataBackup backup = BackUpDataFiles(where, clock, changed);
  if (!backup.Made()) {
    dialogs.Beep();
    dialogs.Message(BackupFailedMessage(backup), Buttons::Ok, Icon::Critical);
    return false;
  }

  // The new year's files, the copies of the old ones and the renames belong
  // together: done as one, or not at all.
  PlayerTable players = db.players;
  RatingStats stats = db.stats;
  ResetTableToDefault(players, stats, db.setup.FirstRating);
  SetupRecord setup = db.setup;
  setup.LatestCount = 0;
  if (players.PlayerCount > PlayerCapacity) players.PlayerCount = PlayerCapacity;
  const std::string playerBytes = PlayerFileBytes(players);
  FileChange change;
  Failure error = CopyIfThere(where, PlayerFile, "player" + yyyy + ".old", change);
  if (!error) error = CopyIfThere(where, StatFile, "ratstat" + yyyy + ".old", change);
  if (!error) error = CopyIfThere(where, RegistryFileName(year), "qtpr" + yyyy + ".old", change);
  change.rewrites.push_back({where.DataPath(PlayerFile), playerBytes});
  if (players.PlayerCount > 0)
    change.rewrites.push_back({where.DataPath(StatFile), RatingStatsBytes(stats, players.PlayerCount)});
  change.rewrites.push_back({where.DataPath(RegistryFileName(year)), RegistryBytes({})});
  change.rewrites.push_back({where.DataPath(SetupFile), SetupFileBytes(setup)});
  for (int m = 1; m <= 12; ++m) RenameToOld(where, MonthFileName(year, m), change);
  RenameToOld(where, RankFile, change);
  if (!error) error = ChangeFilesTogether(change);
  if (error) {
    dialogs.Beep();
    dialogs.Message("The ratings could not be changed to the default; nothing has been changed.\r" + *error + "\r" +
                        BackupLine(backup),
                    Buttons::Ok, Icon::Critical);
    return false;
  }

  // An empty month file kept is no matter; one holding results is told.
  std::vector<std::string> kept;
  for (int m = 1; m <= 12; ++m) {
    const auto bytes = ReadWholeFile(where.DataPath(MonthFileName(year, m)));
    if (bytes && HoldsValues(*bytes)) kept.push_back(MonthFileName(year, m));
  }

  // As loaded again from the file (the void players' membership numbers
  // read back as none).
  PlayerTable reloaded;
  if (ParsePlayerFile(playerBytes, reloaded) == PlayerParse::Ok) players = std::move(reloaded);
  else players.ActiveCount = players.CountActive();
  db.players = std::move(players);
  db.stats = std::move(stats);
  db.setup = setup;
  dialogs.Message(ChangeToDefaultDoneMessage(kept) + "\r\r" + BackupLine(backup));
  return true;
}

}  // namespace hrs
