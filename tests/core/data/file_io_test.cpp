#include "core/data/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace hrs {
namespace {

namespace fs = std::filesystem;

TEST(ReadWholeFile, RefusesWhatIsNotARegularFileAtOnce) {
  test::TempDir dir;
  const fs::path fifo = dir.path() / "RS202601.DAT";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_EQ(ReadWholeFile(fifo), std::nullopt);  // would wait for a writer forever
  EXPECT_EQ(ReadWholeFile(dir.path()), std::nullopt);
  dir.Write("a", "1,2\r\n");
  EXPECT_EQ(ReadWholeFile(dir.path() / "a"), "1,2\r\n");

  // A kept buffer: a shorter file after a longer one is read as itself.
  std::string buffer;
  dir.Write("long", std::string(5000, 'x'));
  EXPECT_EQ(ReadWholeFileInto(dir.path() / "long", buffer), std::string(5000, 'x'));
  EXPECT_EQ(ReadWholeFileInto(dir.path() / "a", buffer), "1,2\r\n");
  EXPECT_EQ(ReadWholeFileInto(fifo, buffer), std::nullopt);
  EXPECT_EQ(ReadWholeFileInto(dir.path() / "missing", buffer), std::nullopt);
}

// Every step of a replacement failing in turn: the old files stay as they
// were, nothing of ours is left, and the failure is reported.
TEST(FileWrites, EveryFailingStepLeavesTheOldFilesAndNoScratch) {
  struct Case {
    const char* what;
    std::function<std::optional<std::string>(const test::TempDir&)> run;
  };
  const std::vector<Case> cases = {
      {"whole file", [](const test::TempDir& d) { return WriteFileAtomically(d.path() / "a", "new a"); }},
      {"append", [](const test::TempDir& d) { return AppendToFile(d.path() / "a", "more\r\n"); }},
      {"two together", [](const test::TempDir& d) {
         return WriteFilesTogether({{d.path() / "a", "new a"}, {d.path() / "b", "new b"}});
       }},
      {"one new, one old", [](const test::TempDir& d) {
         return WriteFilesTogether({{d.path() / "c", "new c"}, {d.path() / "a", "new a"}});
       }},
  };
  int pairs = 0;
  for (const auto& c : cases) {
    for (int step = 1;; ++step) {
      test::TempDir dir;
      dir.Write("a", "old a\r\n");
      dir.Write("b", "old b\r\n");
      const auto before = dir.Files();
      FailWriteStepForTest(step);
      const auto error = c.run(dir);
      const int steps = WriteStepsForTest();
      FailWriteStepForTest(0);
      if (step > steps) {
        EXPECT_FALSE(error) << c.what;
        break;
      }
      ++pairs;
      EXPECT_TRUE(error) << c.what << " step " << step;
      EXPECT_EQ(dir.Files(), before) << c.what << " step " << step;
      EXPECT_EQ(dir.Read("a"), "old a\r\n") << c.what << " step " << step;
      EXPECT_EQ(dir.Read("b"), "old b\r\n") << c.what << " step " << step;
    }
  }
  EXPECT_GE(pairs, 20);
}

TEST(FileWrites, AReplacementCutShortIsCompletedAtTheNextStart) {
  test::TempDir dir;
  dir.Write("player.hrs", "new players");
  dir.Write(".ratstat.hrs.tmp999999_1", "new stats");
  dir.Write("ratstat.hrs", "old stats");
  dir.Write(".player.hrs.old999999_2", "old players");
  dir.Write(".hrs-replacing",
            "\"player.hrs\",\".player.hrs.tmp999999_0\",\".player.hrs.old999999_2\"\r\n"
            "\"ratstat.hrs\",\".ratstat.hrs.tmp999999_1\",\"\"\r\n");
  dir.Write(".setup.hrs.tmp999999_7", "left by a killed run");
  const auto told = FinishInterruptedWrites(dir.path());
  ASSERT_TRUE(told);
  EXPECT_EQ(*told,
            "The last save of player.hrs and ratstat.hrs was interrupted; it has now been completed, so the "
            "files belong together again.");
  EXPECT_EQ(dir.Files(), (std::vector<std::string>{"player.hrs", "ratstat.hrs"}));
  EXPECT_EQ(dir.Read("ratstat.hrs"), "new stats");
  // A live run's scratch file is not touched; with nothing to finish, nothing is said.
  const std::string live = ".player.hrs.tmp" + std::to_string(::getpid()) + "_3";
  dir.Write(live, "being written");
  EXPECT_FALSE(FinishInterruptedWrites(dir.path()));
  EXPECT_TRUE(dir.Exists(live));
}

}  // namespace
}  // namespace hrs
