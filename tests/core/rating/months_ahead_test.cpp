#include "core/rating/months_ahead.h"

#include <gtest/gtest.h>

#include "bench/benchmark_year.h"
#include "core/rating/calculate_ratings.h"
#include "core/shell/startup.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

// The benchmark's largest year, made small: the months read ahead on the
// other cores, read in order, and read the plain way give the same files to
// the byte and the same figures.
TEST(MonthsAhead, TheBenchmarkYearGivesTheSameFilesEveryWay) {
  test::TempDir dir;
  ASSERT_TRUE(bench::WriteBenchmarkYear(dir.path(), 1997, {300, 2500, 40}));
  struct Result {
    std::string players, stats;
    CalculationFigures figures;
  };
  auto run = [&](MonthReading reading) {
    Database db;
    db.location = dir.Location();
    test::FixedClock clock{{{1997, 12, 31}, 12, 0, 0}};
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(LoadDatabase(db, dialogs, clock), StartupStep::Done);
    const auto out = CalculateRatings(db, 1, 12, dialogs, clock, {}, reading);
    EXPECT_TRUE(out.writeErrors.empty());
    return Result{dir.Read("player.hrs"), dir.Read("ratstat.hrs"), out.figures};
  };
  const Result plain = run(MonthReading::Straightforward);
  EXPECT_EQ(plain.figures.resultsCollected, 12 * 2500);
  for (MonthReading reading : {MonthReading::FastInOrder, MonthReading::Fast}) {
    const Result quick = run(reading);
    EXPECT_EQ(quick.players, plain.players);
    EXPECT_EQ(quick.stats, plain.stats);
    EXPECT_EQ(quick.figures.calculations, plain.figures.calculations);
    EXPECT_EQ(quick.figures.resultsCollected, plain.figures.resultsCollected);
  }
}

}  // namespace
}  // namespace hrs
