#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "core/control/user_file_import.h"
#include "core/data/database_save.h"
#include "core/data/file_io.h"
#include "core/data/setup_file.h"
#include "core/data/transaction_deletion.h"
#include "core/data/write_steps.h"
#include "core/lists/ranking_list.h"
#include "core/players/player_entry.h"
#include "core/rating/rating_club.h"
#include "core/utilities/change_to_default.h"
#include "core/utilities/new_year.h"

namespace hrs {
namespace {

namespace fs = std::filesystem;

// Every file below the folder by its relative name, hidden ones too; the
// backup folders apart, as the files they hold.
struct Files {
  std::map<std::string, std::string> data;
  std::map<std::string, std::set<std::string>> backups;
};

Files Snap(const fs::path& dir) {
  Files out;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    if (!e.is_regular_file()) continue;
    const fs::path rel = e.path().lexically_relative(dir);
    if (*rel.begin() == "backup") out.backups[(++rel.begin())->string()].insert(rel.filename().string());
    else out.data[rel.string()] = ReadWholeFile(e.path()).value_or("?");
  }
  return out;
}

// Each operation that changes several files, failing at each of its steps
// and killed at each of them: after the next run the files are all as before
// or all as after, nothing of ours is left, and a backup folder is complete
// or absent.
TEST(ChangeKills, EveryStepOfEveryChangeLeavesTheFilesBeforeOrAfter) {
  using Op = std::function<void(test::RatingClub&)>;
  const std::vector<std::pair<const char*, Op>> ops = {
      {"import",
       [](test::RatingClub& c) {
         (void)WriteUserLines(c.db, {"19970305         1         2  1 ", "19970612         2         1  0 "});
       }},
      {"reset ratings", [](test::RatingClub& c) { ChangeRatingsToDefault(c.db, c.dialogs, c.clock); }},
      {"ranking snapshot",
       [](test::RatingClub& c) {
         TakeSnapshot(c.db, {2, 1}, {{1997, 12, 31}, 12, 0, 0}, c.dialogs);
       }},
      {"add player",
       [](test::RatingClub& c) {
         PlayerEntry e{PlayerMode::NewPlayer, "3", "Player 3", "Club", "12345", "1600"};
         SavePlayerEntry(e, c.db, c.dialogs);
       }},
      {"calculation", [](test::RatingClub& c) { c.Run(1, 12); }},
      {"new year",
       [](test::RatingClub& c) {
         c.db.setup.RatingYear = 1996;
         RunNewYearConversion(c.db, c.dialogs, c.clock);
       }},
      {"result deletion",
       [](test::RatingClub& c) {
         DeleteTransaction(c.db.location, 1997, 3, {"19970305", "1", "2", " "});
       }},
  };
  int pairs = 0;
  for (const auto& [what, op] : ops) {
    test::RatingClub reference({1600, 1500});
    reference.SaveWithMonthTournamentAndSnapshot();
    const Files before = Snap(reference.dir.path());
    FailWriteStepForTest(0);
    op(reference);
    const int steps = WriteStepsForTest();
    const Files after = Snap(reference.dir.path());
    ASSERT_NE(before.data, after.data) << what;
    for (int step = 1; step <= steps; ++step) {
      for (const bool kill : {false, true}) {
        test::RatingClub club({1600, 1500});
        club.SaveWithMonthTournamentAndSnapshot();
        if (kill) {
          const pid_t child = ::fork();
          ASSERT_GE(child, 0);
          if (child == 0) {
            KillAtWriteStepForTest(step);
            op(club);
            ::_exit(0);
          }
          int status = 0;
          ::waitpid(child, &status, 0);
          ASSERT_TRUE(WIFEXITED(status)) << what << ", step " << step;
          EXPECT_EQ(WEXITSTATUS(status), 137) << what << ", step " << step;
        } else {
          FailWriteStepForTest(step);
          op(club);
          FailWriteStepForTest(0);
        }
        static_cast<void>(FinishInterruptedWrites(club.dir.path()));  // its notice is not under test
        const Files now = Snap(club.dir.path());
        ++pairs;
        EXPECT_TRUE(now.data == before.data || now.data == after.data)
            << what << (kill ? ", killed" : ", failed") << " at step " << step;
        if (!now.backups.empty()) {
          ASSERT_FALSE(after.backups.empty()) << what;
        }
        for (const auto& [folder, names] : now.backups) {
          EXPECT_NE(folder[0], '.') << what << ", step " << step;
          EXPECT_EQ(names, after.backups.begin()->second) << what << ", step " << step << ": " << folder;
        }
      }
    }
  }
  std::printf("(operation, step) pairs tried, failed and killed: %d\n", pairs);
  EXPECT_GE(pairs, 200);
}

}  // namespace
}  // namespace hrs
