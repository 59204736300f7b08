#include "core/shell/startup.h"

#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"

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
