#include "core/data/database_save.h"

#include <system_error>
#include <thread>

#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"

namespace hrs {

Failure SavePlayersAndStatistics(const DataLocation& where, PlayerTable& table, const RatingStats& stats) {
  if (table.PlayerCount <= 0) return SavePlayers(where, table);
  if (table.PlayerCount > PlayerCapacity) table.PlayerCount = PlayerCapacity;
  // The two files are made side by side on two cores when there are two.
  std::string statBytes;
  std::thread other;
  try {
    other = std::thread([&] { statBytes = RatingStatsBytes(stats, table.PlayerCount); });
  } catch (const std::system_error&) {
    statBytes = RatingStatsBytes(stats, table.PlayerCount);
  }
  std::string playerBytes = PlayerFileBytes(table);
  if (other.joinable()) other.join();
  return WriteFilesTogether({{where.DataPath(PlayerFile), std::move(playerBytes)},
                             {where.DataPath(StatFile), std::move(statBytes)}});
}

}  // namespace hrs
