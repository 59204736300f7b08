#include "core/data/prev_ranking_file.h"
#include "fuzz_support.h"

HRS_FUZZ_TARGET({
  if (bytes.empty()) return 0;
  const int players = static_cast<unsigned char>(bytes[0]) * 8;
  if (auto ranking = hrs::ParsePrevRanking(bytes.substr(1), players)) {
    for (int id : ranking->sysIds) HRS_FUZZ_CHECK(id >= 1 && id <= players);
    const std::string saved = hrs::PrevRankingBytes(*ranking);
    const auto again = hrs::ParsePrevRanking(saved, players);
    HRS_FUZZ_CHECK(again && hrs::PrevRankingBytes(*again) == saved);
  }
})
