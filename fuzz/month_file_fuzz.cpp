#include "core/data/month_file.h"
#include "core/rating/fast_month_list.h"
#include "core/rating/month_list.h"
#include "fuzz_support.h"

// The quick month list must order a month exactly as the plain one does.
HRS_FUZZ_TARGET({
  static const hrs::PlayerTable players = [] {
    hrs::PlayerTable t;
    t.PlayerCount = 40;
    for (int id = 1; id <= 40; ++id) t[id].MbShipNo = 10000 + id * 7;
    return t;
  }();
  static const hrs::PlayerIdentifier identify(players);
  std::vector<hrs::MonthResult> results;
  for (const auto& t : hrs::ParseMonthFile(bytes))
    if (!(t.date > "20261231")) results.push_back(hrs::FromMonthLine(t));
  const auto plain = hrs::SortedMonthEntries(results, identify);
  hrs::FastMonthList fast(identify);
  std::vector<hrs::RatedEntry> quick;
  if (fast.AddMonthFile(bytes, "20261231") && fast.Sorted(quick)) HRS_FUZZ_CHECK(quick == plain);
})
