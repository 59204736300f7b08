#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/control/tournament_validation.h"
#include "core/control/user_file_import.h"
#include "core/data/database_save.h"
#include "core/data/file_change.h"
#include "core/data/player_file.h"
#include "core/data/registry_file.h"
#include "core/rating/rating_club.h"

namespace hrs {
namespace {

namespace fs = std::filesystem;

// A data file kept elsewhere through a link stays a link, and its target
// takes every change.
TEST(FilesAsKept, ALinkedDataFileStaysALink) {
  test::RatingClub club({1600, 1500});
  fs::create_directory(club.dir.path() / "synced");
  club.dir.Write("synced/player.hrs", "");
  fs::create_symlink("synced/player.hrs", club.dir.path() / "player.hrs");
  ASSERT_FALSE(SavePlayers(club.db.location, club.db.players));
  club.db.players[1].Rating = 1700;
  ASSERT_FALSE(SavePlayersAndStatistics(club.db.location, club.db.players, club.db.stats));
  EXPECT_TRUE(fs::is_symlink(club.dir.path() / "player.hrs"));
  EXPECT_EQ(club.dir.Read("synced/player.hrs"), PlayerFileBytes(club.db.players));
  EXPECT_EQ(club.dir.Files(), (std::vector<std::string>{"player.hrs", "ratstat.hrs", "synced"}));
}

// A file the operator made read-only is refused by name, and no file of the
// change is touched.
TEST(FilesAsKept, AReadOnlyDataFileIsRefusedAndNothingIsWritten) {
  test::RatingClub club({1600, 1500});
  ASSERT_FALSE(SavePlayersAndStatistics(club.db.location, club.db.players, club.db.stats));
  club.Result(3, 5, "1", "2");
  const fs::path player = club.dir.path() / "player.hrs";
  const fs::path march = club.dir.path() / MonthFileName(1997, 3);
  const std::string playerBefore = club.dir.Read("player.hrs"), statsBefore = club.dir.Read("ratstat.hrs");
  const std::string marchBefore = club.dir.Read(MonthFileName(1997, 3));
  ::chmod(player.c_str(), 0444);
  ::chmod(march.c_str(), 0444);
  club.db.players[1].Rating = 1700;
  EXPECT_EQ(SavePlayers(club.db.location, club.db.players),
            "Cannot replace " + player.string() + ": the file is read-only");
  EXPECT_EQ(SavePlayersAndStatistics(club.db.location, club.db.players, club.db.stats),
            "Cannot replace " + player.string() + ": the file is read-only");
  EXPECT_EQ(WriteUserLines(club.db, {"19970612         2         1  0 ", "19970305         1         2  1 "}),
            "Cannot write " + march.string() + ": the file is read-only");
  EXPECT_EQ(club.dir.Read("player.hrs"), playerBefore);
  EXPECT_EQ(club.dir.Read("ratstat.hrs"), statsBefore);
  EXPECT_EQ(club.dir.Read(MonthFileName(1997, 3)), marchBefore);
  EXPECT_FALSE(club.dir.Exists(MonthFileName(1997, 6)));
  EXPECT_EQ(club.dir.Files().size(), 3u);
}

// A command that only reads says that a change waits for the next writing run.
TEST(FilesAsKept, AnInterruptedChangeIsToldUntilTheNextWritingRun) {
  test::TempDir dir;
  EXPECT_FALSE(InterruptedChangeNotice(dir.path()));
  dir.Write(".hrs-replacing", "\"undo\"\r\n\"append\",\"RQTP1997_03.hrs\",\"\",\"\"\r\n");
  EXPECT_EQ(InterruptedChangeNotice(dir.path()),
            "The last change of the data files was interrupted and will be undone by the next command that writes.");
  dir.Write(".hrs-replacing", "\"player.hrs\",\".player.hrs.tmp1_1\",\"\"\r\n");
  EXPECT_EQ(InterruptedChangeNotice(dir.path()),
            "The last change of the data files was interrupted and will be completed by the next command that "
            "writes.");
}

TEST(FilesAsKept, DamagedRegistriesAndNamesCostNothing) {
  test::RatingClub club({1600, 1500});
  std::string empties;
  for (int i = 0; i < 100000; ++i) empties += "\"\"\r\n";
  club.dir.Write(RegistryFileName(1997), empties + "\"RQTP0001.DAT\"\r\n" + empties);
  EXPECT_EQ(ReadRegistry(club.db.location, 1997), std::vector<std::string>{"RQTP0001.DAT"});
  // A name that a registry line cannot hold is refused before anything is written.
  const std::string registry = club.dir.Read(RegistryFileName(1997));
  club.dir.Write("RQTP0002.DAT\nX", "\"kontrol\"\r\n\"19970301\"\r\n1,2,1,2,\" \"\r\n");
  const auto done = ValidateAndRegister(club.db.location, club.dir.path() / "RQTP0002.DAT\nX", "RQTP0002.DAT\nX", 1997,
                                        club.db.players);
  ASSERT_TRUE(done.error);
  EXPECT_EQ(done.error->find("The file name holds a line break"), 0u);
  EXPECT_EQ(club.dir.Read(RegistryFileName(1997)), registry);
}

}  // namespace
}  // namespace hrs
