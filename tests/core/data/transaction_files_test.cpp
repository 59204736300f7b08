#include <gtest/gtest.h>

#include "core/data/month_file.h"
#include "core/data/registry_file.h"
#include "core/data/tournament_file.h"
#include "core/data/transaction_names.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

TEST(TransactionNames, MonthAndRegistryNames) {
  EXPECT_EQ(MonthFileName(1997, 6), "RS199706.DAT");
  EXPECT_EQ(MonthFileName(2026, 12), "RS202612.DAT");
  EXPECT_EQ(RegistryFileName(1997), "QTPR1997.DAT");
}

TEST(MonthFile, QuotedAndBareIdsReadTheSame) {
  auto a = ParseMonthFile("\"19970617\",\"12\",\"57\",\" \"\r\n");
  auto b = ParseMonthFile("\"19970617\",12,57,\" \"\r\n");
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a[0].date, "19970617");
  EXPECT_FALSE(a[0].IsDraw());
  EXPECT_TRUE(ParseMonthFile("\"19970617\",57,12,\"X\"\n")[0].IsDraw());
}

TEST(MonthFile, MissingFileIsEmptyAndCutRecordIsLeftOut) {
  test::TempDir dir;
  EXPECT_TRUE(ReadMonthFile(dir.Location(), 1997, 6).empty());
  dir.Write("rs199706.dat", "\"19970601\",1,2,\" \"\r\n\"19970602\",3\r\n");
  auto t = ReadMonthFile(dir.Location(), 1997, 6);  // found without regard to case
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].firstId, "1");
}

TEST(Registry, NoQtpFilesOnlyCountsOnTheFirstLine) {
  EXPECT_TRUE(ParseRegistry("\"No QTP files\"\r\n").empty());
  EXPECT_TRUE(ParseRegistry("no qtp files\r\n").empty());
  EXPECT_EQ(ParseRegistry("\"RQTP0042.DAT\"\r\n\"No QTP files\"\r\n"),
            (std::vector<std::string>{"RQTP0042.DAT", "No QTP files"}));
  test::TempDir dir;
  EXPECT_TRUE(ReadRegistry(dir.Location(), 1997).empty());
}

TEST(TournamentFile, ValidatedFileAndItsMonth) {
  auto f = ParseTournamentFile("\"kontrol\"\r\n\"19970617\"\r\n12,57,3,9,\" \"\r\n4,5,0,0,\"X\"\r\n");
  ASSERT_TRUE(f);
  EXPECT_TRUE(f->validated);
  EXPECT_EQ(f->Month(), 6);
  ASSERT_EQ(f->duels.size(), 2u);
  EXPECT_EQ(f->duels[0], (TournamentDuel{"12", "57", "3", "9", " "}));
  EXPECT_TRUE(f->duels[1].IsDraw());
}

TEST(TournamentFile, SevenCharacterDateHasNoMonthAndUnvalidatedFileIsMarked) {
  auto f = ParseTournamentFile("\"kontrol\"\r\n\"1997061\"\r\n12,57,3,9,\" \"\r\n");
  ASSERT_TRUE(f);
  EXPECT_EQ(f->Month(), 0);
  auto raw = ParseTournamentFile("\"19970617\"\r\n12,57,3,9,\" \"\r\n");
  ASSERT_TRUE(raw);
  EXPECT_FALSE(raw->validated);
}

TEST(TournamentFile, WrittenFileReadsBack) {
  std::vector<TournamentDuel> duels = {{"12", "57", "3", "9", " "}, {"4", "5", "0", "0", "X"}};
  const std::string bytes = TournamentFileBytes("19970617", duels);
  EXPECT_EQ(bytes, "\"kontrol\"\r\n\"19970617\"\r\n12,57,3,9,\" \"\r\n4,5,0,0,\"X\"\r\n");
  auto f = ParseTournamentFile(bytes);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->duels, duels);
}

}  // namespace
}  // namespace hrs
