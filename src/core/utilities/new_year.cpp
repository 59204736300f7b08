#include "core/utilities/new_year.h"

#include "core/data/data_backup.h"
#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/rating_year_rollback.h"
#include "core/data/setup_file.h"
#include "core/platform/question_names.h"
#include "core/text/align.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

std::string ZeroPadded(long long value, size_t width) {
  std::string digits = std::to_string(value);
  return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

long long Part(const std::string& text, size_t from, size_t width) {
  return from < text.size() ? static_cast<long long>(LeadingNumber(text.substr(from, width))) : 0;
}

}  // namespace

std::string CarriedTotals(const TextField& carried, int won, int drawn, int lost) {
  const std::string& c = carried.str();
  if (c.size() < 11) return ZeroPadded(won, 4) + ZeroPadded(drawn, 3) + ZeroPadded(lost, 4);
  return ZeroPadded(Part(c, 0, 4) + won, 4) + ZeroPadded(Part(c, 4, 3) + drawn, 3) +
         RightAlign(Part(c, 7, 4) + lost, 4);
}

NewYearData ConvertForNewYear(const Database& db, bool carry) {
  NewYearData next{db.players, db.stats, db.setup};
  const auto first = static_cast<int16_t>(db.setup.FirstRating);
  for (int id = 1; id <= next.players.PlayerCount; ++id) {
    PlayerRecord& p = next.players[id];
    if (p.Status == StatusActive) {
      p.StartRating = p.Rating;
      p.CarriedCounts = carry ? TextField::Of(CarriedTotals(p.CarriedCounts, p.Won, p.Drawn, p.Lost))
                              : TextField::Zero();
      next.stats.At(id, 1) = p.StartRating;
    } else {
      p.Name = TextField::Of(" ");
      p.Status = StatusVoid;
      p.MbShipNo = 0;
      p.StartRating = first;
      p.Rating = p.PrevRating = 0;
      p.CarriedCounts = TextField::Zero();
      next.stats.At(id, 1) = first;
    }
    p.Won = p.Drawn = p.Lost = 0;
    for (int c = 2; c <= 13; ++c) next.stats.At(id, c) = 0;
  }
  next.players.ActiveCount = next.players.CountActive();
  next.setup.RatingYear = static_cast<int16_t>(db.setup.RatingYear + 1);
  return next;
}

std::string NewYearInstructions() {
  return "End ratings for current rating year will be transferred as start ratings for the new year. "
         "Please ensure that the final calculation of ratings for current rating year has been made.\r"
         "\r"
         "New files of players and statistics will be created. \r"
         "\r"
         "Please ensure backup of .hrs files before you proceed.";
}

std::string WrongClockMessage() {
  return "Comparing system date and setup information implies that\r"
         "a new year conversion now will give unpredictable results.\r"
         "\r"
         "In your setup the Rating Year should be equal to last calendar year.\r"
         "\r"
         "Maybe your System Clock is not running correctly.";
}

std::string NewYearFailedMessage() {
  return "An error occurred during conversion.\r"
         "Please restore your backup of the following files:\r"
         "'player.hrs', 'ratstat.hrs' and rfast.hrs'.\r"
         "Please contact the author if this happens again.";
}

NewYear RunNewYearConversion(Database& db, Dialogs& dialogs, const Clock& clock) {
  const int year = db.setup.RatingYear;
  if (clock.Today().year != year + 1) {
    dialogs.Beep();
    dialogs.Message(WrongClockMessage(), Buttons::Ok, Icon::Question, WrongClockTitle);
    return NewYear::WrongClock;
  }
  const bool carry =
      dialogs.Message(
          "Do you want to carry total wins and losses per player to next year\r"
          "If not they will be zero'ed",
          Buttons::YesNo, Icon::Question, "Carry wins and losses?", question::CarryTotals) == Answer::Yes;
  if (dialogs.Message(
          "Please confirm shift of rating year from " + std::to_string(year) + " to " + std::to_string(year + 1),
          Buttons::OkCancel, Icon::Question, "New Year conversion", question::NewYear) != Answer::Ok)
    return NewYear::Declined;

  const DataLocation& where = db.location;
  const std::string yearCopy = OldPlayerFileName(year);
  const DataBackup backup = BackUpDataFiles(where, clock, {PlayerFile, StatFile, SetupFile, yearCopy});
  if (!backup.Made()) {
    dialogs.Beep();
    dialogs.Message(BackupFailedMessage(backup), Buttons::Ok, Icon::Critical, "New Year conversion");
    return NewYear::Failed;
  }

  NewYearData next = ConvertForNewYear(db, carry);
  if (next.players.PlayerCount > PlayerCapacity) next.players.PlayerCount = PlayerCapacity;
  // The year copy is the player file as it stands; the table it was loaded
  // from when the file cannot be read.
  const auto oldBytes = ReadWholeFile(where.DataPath(PlayerFile));
  std::vector<FileContent> files = {{where.DataPath(PlayerFile), PlayerFileBytes(next.players)}};
  if (next.players.PlayerCount > 0)
    files.push_back({where.DataPath(StatFile), RatingStatsBytes(next.stats, next.players.PlayerCount)});
  files.push_back({where.DataPath(SetupFile), SetupFileBytes(next.setup)});
  files.push_back({where.DataPath(yearCopy), oldBytes ? *oldBytes : PlayerFileBytes(db.players)});
  if (WriteFilesTogether(files)) {
    DiscardBackup(where, backup);
    dialogs.Beep();
    dialogs.Message(NewYearFailedMessage());
    return NewYear::Failed;
  }
  db.players = std::move(next.players);
  db.stats = std::move(next.stats);
  db.setup = next.setup;
  dialogs.Message("New Year conversion successfully completed.\r"
                  "Old file of players has been backed up as 'player" + std::to_string(year) + ".hrs'\r"
                  "Void Sys Id's for all deleted players are ready for new\r"
                  "players using the Change option from the Edit/Players menu.\r" +
                  BackupLine(backup));
  return NewYear::Done;
}

}  // namespace hrs
