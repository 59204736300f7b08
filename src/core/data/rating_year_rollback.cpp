#include "core/data/rating_year_rollback.h"

#include <fstream>

#include "core/data/data_backup.h"
#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/setup_file.h"

namespace hrs {

namespace fs = std::filesystem;

std::string OldPlayerFileName(int year) { return "player" + std::to_string(year) + ".hrs"; }

namespace {

std::string RollBackQuestion(int year) {
  return "First of all: Be sure to back up all ranking system files.\r"
         "You may change the rating year back to the previous rating year\r"
         "ONLY if no new players have been added since new year.\r"
         "If you proceed the following will happen:\r"
         "Player" + std::to_string(year) + ".hrs will be renamed Player.hrs\r"
         "and the existing file of players will be erased.\r"
         "\r"
         "Then make the adjustments that caused your wish to change the\r"
         "rating year. When you are finished run Calculate Ratings and then\r"
         "New Year Conversion from the Utility menu.\r"
         "\r"
         "Do you wish to proceed?";
}

void OldFileNotFound(Dialogs& dialogs) {
  dialogs.Beep();
  dialogs.Message("Old file of players not found.\rPlease restore this file", Buttons::Ok, Icon::Warning,
                  "Change of rating year");
}

bool CanOpen(const fs::path& path) {
  if (!FileExists(path)) return false;
  std::ifstream in(path, std::ios::binary);
  return static_cast<bool>(in);
}

}  // namespace

RollBack RollBackRatingYear(Database& db, int year, Dialogs& dialogs, const Clock& clock) {
  dialogs.Beep();
  if (dialogs.Message(RollBackQuestion(year), Buttons::YesNo, Icon::Question, "Rating year roll-back") !=
      Answer::Yes)
    return RollBack::Declined;

  const DataLocation& where = db.location;
  const fs::path oldFile = where.DataPath(OldPlayerFileName(year));
  if (!CanOpen(oldFile)) {
    OldFileNotFound(dialogs);
    return RollBack::Failed;
  }
  // The table in memory must be the restored one, or the next save of the
  // player file would undo the roll-back.
  const fs::path playerFile = where.DataPath(PlayerFile);
  PlayerTable restored;
  const auto bytes = ReadWholeFile(oldFile);
  if (!bytes || ParsePlayerFile(*bytes, restored) != PlayerParse::Ok) {
    dialogs.Beep();
    dialogs.Message("The old file of players could not be read.\r"
                    "Please check the file " + oldFile.filename().string(),
                    Buttons::Ok, Icon::Critical, "Change of rating year");
    return RollBack::Failed;
  }
  // The player file and the year in the setup change together or not at all.
  const DataBackup backup = BackUpDataFiles(where, clock, {PlayerFile, SetupFile, OldPlayerFileName(year)});
  if (!backup.Made()) {
    dialogs.Beep();
    dialogs.Message(BackupFailedMessage(backup), Buttons::Ok, Icon::Critical, "Change of rating year");
    return RollBack::Failed;
  }
  SetupRecord setup = db.setup;
  setup.RatingYear = static_cast<int16_t>(year);
  if (auto error = WriteFilesTogether({{playerFile, *bytes}, {where.DataPath(SetupFile), SetupFileBytes(setup)}})) {
    DiscardBackup(where, backup);
    if (error->rfind("Cannot replace " + playerFile.string(), 0) == 0) {
      OldFileNotFound(dialogs);
    } else {
      dialogs.Beep();
      dialogs.Message("The rating year could not be changed back.\r" + *error, Buttons::Ok, Icon::Critical,
                      "Change of rating year");
    }
    return RollBack::Failed;
  }
  std::error_code ec;
  fs::remove(oldFile, ec);
  db.players = std::move(restored);
  db.setup = setup;
  dialogs.Message("Change back of rating year successfully implemented\r" + BackupLine(backup));
  return RollBack::Done;
}

}  // namespace hrs
