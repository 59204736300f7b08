#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/data_location.h"
#include "core/platform/date_time.h"
#include "core/data/failure.h"

namespace hrs {

// The ranking order at the latest movement snapshot.
struct PrevRanking {
  DateTime taken;
  std::vector<int> sysIds;  // index 0 holds the player ranked first
};

std::string PrevRankingBytes(const PrevRanking& ranking);
// Nothing when the date line or a Sys Id cannot be read, when a Sys Id is not
// one of 1..playerCount, or when there are more lines than players.
std::optional<PrevRanking> ParsePrevRanking(std::string_view bytes, int playerCount);

// Nothing when the file is missing or cannot be read.
std::optional<PrevRanking> ReadPrevRanking(const DataLocation& where, int playerCount);
Failure WritePrevRanking(const DataLocation& where, const PrevRanking& ranking);

}  // namespace hrs
