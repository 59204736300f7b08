#include "core/data/prev_ranking_file.h"

#include "core/data/file_io.h"
#include "core/data/write_form.h"

namespace hrs {

std::string PrevRankingBytes(const PrevRanking& ranking) {
  std::string out = WriteFormLine().Date(ranking.taken).Str();
  for (int id : ranking.sysIds) out += WriteFormLine().Number(id).Str();
  return out;
}

std::optional<PrevRanking> ParsePrevRanking(std::string_view bytes, int playerCount) {
  WriteFormReader r(bytes);
  PrevRanking ranking;
  auto taken = r.Date();
  if (!taken) return std::nullopt;
  ranking.taken = *taken;
  while (!r.AtEnd()) {
    auto id = r.Int16();
    if (!id || *id < 1 || *id > playerCount || static_cast<int>(ranking.sysIds.size()) >= playerCount)
      return std::nullopt;
    ranking.sysIds.push_back(*id);
  }
  return ranking;
}

std::optional<PrevRanking> ReadPrevRanking(const DataLocation& where, int playerCount) {
  auto bytes = ReadWholeFile(where.DataPath(RankFile));
  if (!bytes) return std::nullopt;
  return ParsePrevRanking(*bytes, playerCount);
}

Failure WritePrevRanking(const DataLocation& where, const PrevRanking& ranking) {
  return WriteFileAtomically(where.DataPath(RankFile), PrevRankingBytes(ranking));
}

}  // namespace hrs
