#include "core/shell/shutdown.h"

#include "core/data/rating_stats_file.h"

namespace hrs {

void SaveStatisticsOnClose(const Database& db, Dialogs& dialogs) {
  if (db.StartupOk != 1) return;
  if (auto error = SaveRatingStatistics(db.location, db.stats, db.players.PlayerCount))
    dialogs.Message("The rating statistics could not be saved.\r" + *error, Buttons::Ok, Icon::Critical);
}

void SaveArrangementOnClose(const std::filesystem::path& file, const WindowArrangement& arrangement, Dialogs& dialogs) {
  if (auto error = SaveArrangement(file, arrangement))
    dialogs.Message("The window arrangement could not be saved.\r" + *error, Buttons::Ok, Icon::Critical);
}

}  // namespace hrs
