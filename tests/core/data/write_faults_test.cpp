#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/data/database_save.h"
#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/month_file.h"
#include "core/data/prev_ranking_file.h"
#include "core/data/rating_year_rollback.h"
#include "core/data/registry_file.h"
#include "core/data/setup_file.h"
#include "core/data/tournament_file.h"
#include "core/data/transaction_deletion.h"
#include "core/shell/window_arrangement.h"
#include "core/rating/rating_club.h"
#include "core/utilities/new_year.h"

namespace hrs {
namespace {

std::map<std::string, std::string> Snapshot(const test::TempDir& dir) {
  std::map<std::string, std::string> files;
  for (const auto& name : dir.Files()) files[name] = dir.Read(name);
  return files;
}

// Every file-changing operation of the system, failing at each of its
// steps in turn: the files are byte for byte as before, nothing of ours is
// left beside them, and the operation says it failed.
TEST(WriteFaults, EveryRewriteAndAppendFailingAtEveryStepLosesNothing) {
  using Op = std::function<bool(test::RatingClub&)>;  // true: failure reported
  const Transaction win{"19970305", "1", "2", " "};
  const std::vector<std::pair<const char*, Op>> ops = {
      {"setup", [](test::RatingClub& c) { return SaveSetup(c.db.location, c.db.setup).has_value(); }},
      {"players", [](test::RatingClub& c) { return SavePlayers(c.db.location, c.db.players).has_value(); }},
      {"statistics", [](test::RatingClub& c) { return SaveRatingStatistics(c.db.location, c.db.stats, 2).has_value(); }},
      {"calculation", [](test::RatingClub& c) { return !c.Run(1, 12).writeErrors.empty(); }},
      {"month append",
       [win](test::RatingClub& c) { return AppendTransaction(c.db.location, 1997, 3, win, IdForm::Quoted).has_value(); }},
      {"registry append", [](test::RatingClub& c) { return AppendToRegistry(c.db.location, 1997, "RQTP0002.DAT").has_value(); }},
      {"registry rewrite",
       [](test::RatingClub& c) { return RewriteRegistry(c.db.location, 1997, {"RQTP0001.DAT"}).has_value(); }},
      {"previous ranking",
       [](test::RatingClub& c) { return WritePrevRanking(c.db.location, {{{1997, 3, 1}, 9, 0, 0}, {2, 1}}).has_value(); }},
      {"tournament file",
       [](test::RatingClub& c) {
         return SaveTournamentFile(c.dir.path() / "RQTP0001.DAT", "19970301", {{"1", "2", "1", "2", " "}})
             .has_value();
       }},
      {"window arrangement",
       [](test::RatingClub& c) {
         WindowArrangement a;
         a.byUser = true;
         return SaveArrangement(c.dir.path() / ArrangementFile, a).has_value();
       }},
      {"result deletion",
       [win](test::RatingClub& c) {
         return DeleteTransaction(c.db.location, 1997, 3, win).result == DeleteOutcome::Result::Failed;
       }},
      {"year roll-back",
       [](test::RatingClub& c) {
         c.db.setup.RatingYear = 1998;
         c.dialogs.Answer(Answer::Yes);
         return RollBackRatingYear(c.db, 1997, c.dialogs, c.clock) == RollBack::Failed;
       }},
      {"new year conversion",
       [](test::RatingClub& c) {
         c.db.setup.RatingYear = 1996;
         return RunNewYearConversion(c.db, c.dialogs, c.clock) == NewYear::Failed;
       }},
  };
  int tried = 0;
  for (const auto& [what, op] : ops) {
    for (int step = 1;; ++step) {
      test::RatingClub club({1600, 1500});
      club.SaveWithMonthTournamentAndSnapshot();
      club.dir.Write("player1997.hrs", club.dir.Read("player.hrs"));
      club.dir.Write(ArrangementFile, "");
      const auto before = Snapshot(club.dir);
      FailWriteStepForTest(step);
      const bool failed = op(club);
      const int steps = WriteStepsForTest();
      FailWriteStepForTest(0);
      if (step > steps) {
        EXPECT_FALSE(failed) << what;
        break;
      }
      ++tried;
      EXPECT_TRUE(failed) << what << ", step " << step;
      const auto after = Snapshot(club.dir);
      EXPECT_EQ(after, before) << what << ", step " << step;
    }
  }
  EXPECT_GE(tried, 60);
  std::printf("(operation, step) pairs tried: %d\n", tried);
}

}  // namespace
}  // namespace hrs
