#include "core/data/database_save.h"

#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"

namespace hrs {

std::optional<std::string> SavePlayersAndStatistics(const DataLocation& where, PlayerTable& table,
                                                    const RatingStats& stats) {
  if (table.PlayerCount <= 0) return SavePlayers(where, table);
  if (table.PlayerCount > PlayerCapacity) table.PlayerCount = PlayerCapacity;
  return WriteFilesTogether({{where.DataPath(PlayerFile), PlayerFileBytes(table)},
                             {where.DataPath(StatFile), RatingStatsBytes(stats, table.PlayerCount)}});
}

}  // namespace hrs
