#include "core/control/user_file_import.h"
#include "core/data/database.h"
#include "fuzz_support.h"

// A user file as Add User File reads and reviews it.
HRS_FUZZ_TARGET({
  static const hrs::Database db = [] {
    hrs::Database d;
    d.setup = hrs::SetupRecord::Created(2026);
    d.players.PlayerCount = 30;
    for (int id = 1; id <= 30; ++id) d.players[id].MbShipNo = id % 2 ? 20000 + id : hrs::NoMembership;
    d.players.ActiveCount = d.players.CountActive();
    return d;
  }();
  static const hrs::UserRecordChecker checker(db, "20261209");
  const auto records = hrs::ReadUserRecords(bytes);
  HRS_FUZZ_CHECK(records.size() <= hrs::UserFileRecordLimit + 1);
  std::vector<std::string> lines;
  for (const auto& r : records) lines.push_back(checker.ReviewLine(r));
  std::vector<std::string> good;
  for (const auto& l : lines)
    if (!hrs::IsErrorLine(l)) good.push_back(l);
  hrs::MonthFileAppends(good);
})
