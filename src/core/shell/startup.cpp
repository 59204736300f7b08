#include "core/shell/startup.h"

#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"
#include "core/platform/date_time.h"

namespace hrs {

bool IsOldRatingYear(const SetupRecord& setup, const Clock& clock) {
  return clock.Today().year != setup.RatingYear;
}

void ShowOldRatingYearNotice(Dialogs& dialogs) {
  dialogs.Beep();
  dialogs.Message(
      "Please note that the system rating year\r"
      "differs from the calendar year. It is quite\r"
      "all right to add results from last calendar\r"
      "year and to enter results for the new year.\r"
      "Please run Calculate Ratings followed by\r"
      "New Year Conversion when you are finished with last year.",
      Buttons::Ok, Icon::Information, "Old rating year");
}

std::string MainWindowTitle(const Clock& clock) {
  return std::string(ProductTitle) + std::string(50, ' ') + ShortDate(clock.Today());
}

void RefuseSecondInstance(SecondInstance why, const std::string& lockFile, Dialogs& dialogs) {
  dialogs.Beep();
  if (why == SecondInstance::Running) {
    dialogs.Message("This application is running already!");
    return;
  }
  dialogs.Message(
      "The program cannot make sure that it runs only once:\rits lock file " + lockFile + " cannot be written.",
      Buttons::Ok, Icon::Critical);
}

bool TakeDataForProgram(DataLock& lock, const std::filesystem::path& dataDir, Dialogs& dialogs) {
  const DataLock::Result taken = lock.Take(dataDir);
  if (taken == DataLock::Result::InUse) {
    dialogs.Beep();
    dialogs.Message(DataInUseMessage(dataDir), Buttons::Ok, Icon::Critical);
    return false;
  }
  if (taken == DataLock::Result::Taken) {
    if (auto told = FinishInterruptedWrites(dataDir)) dialogs.Message(*told, Buttons::Ok, Icon::Information);
  }
  return true;
}

StartupStep LoadDatabase(Database& db, Dialogs& dialogs, const Clock& clock) {
  db.StartupOk = 0;
  db.AverageRating = 0;
  auto fail = [&db](StartupStep step) {
    db.StartupOk = 0;
    db.players.ActiveCount = 0;
    db.players.PlayerCount = 0;
    db.setup.RatingYear = 0;
    db.setup.LatestCount = 0;
    db.AverageRating = 0;
    return step;
  };
  if (!LoadSetup(db.location, db.setup, dialogs, clock)) return fail(StartupStep::Setup);
  if (IsOldRatingYear(db.setup, clock)) ShowOldRatingYearNotice(dialogs);
  db.StartupOk = 1;
  if (!LoadPlayers(db.location, db.players, dialogs)) return fail(StartupStep::Players);
  if (!LoadRatingStatistics(db.location, db.stats, db.players.PlayerCount, db.setup.FirstRating, dialogs))
    return fail(StartupStep::Statistics);
  return StartupStep::Done;
}

}  // namespace hrs
