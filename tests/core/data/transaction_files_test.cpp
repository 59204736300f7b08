#include <gtest/gtest.h>

#include <filesystem>

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

TEST(MonthFile, KeyboardIdsAreQuotedImportedIdsBare) {
  const Transaction win{"19970617", "12", "57", WinCode};
  EXPECT_EQ(MonthFileLine(win, IdForm::Quoted), "\"19970617\",\"12\",\"57\",\" \"\r\n");
  EXPECT_EQ(MonthFileLine(win, IdForm::Bare), "\"19970617\",12,57,\" \"\r\n");
  // An id that is not a number can never go into the file bare.
  EXPECT_EQ(MonthFileLine({"19970617", "1,2", "57", DrawCode}, IdForm::Bare),
            "\"19970617\",\"1,2\",57,\"X\"\r\n");
}

TEST(MonthFile, AppendsCreateTheFileAndReadBack) {
  test::TempDir dir;
  const auto where = dir.Location();
  ASSERT_FALSE(AppendTransaction(where, 1997, 6, {"19970617", "12", "57", WinCode}, IdForm::Quoted));
  ASSERT_FALSE(AppendTransactions(where, 1997, 6,
                                  {{"19970618", "57", "12", DrawCode}, {"19970619", "3", "4", WinCode}}, IdForm::Bare));
  EXPECT_EQ(dir.Read("RS199706.DAT"),
            "\"19970617\",\"12\",\"57\",\" \"\r\n\"19970618\",57,12,\"X\"\r\n\"19970619\",3,4,\" \"\r\n");
  const auto read = ReadMonthFile(where, 1997, 6);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0], (Transaction{"19970617", "12", "57", " "}));
  EXPECT_TRUE(read[1].IsDraw());
  EXPECT_FALSE(read[2].IsDraw());
}

TEST(MonthFile, AppendAfterALastLineWithoutLineBreakStartsANewLine) {
  test::TempDir dir;
  const auto where = dir.Location();
  dir.Write("RS199706.DAT", "\"19970601\",1,2,\" \"");
  ASSERT_FALSE(AppendTransaction(where, 1997, 6, {"19970602", "3", "4", DrawCode}, IdForm::Bare));
  EXPECT_EQ(ReadMonthFile(where, 1997, 6),
            (std::vector<Transaction>{{"19970601", "1", "2", " "}, {"19970602", "3", "4", "X"}}));
  dir.Write("QTPR1997.DAT", "\"RQTP0001.DAT\"");
  ASSERT_FALSE(RegisterTournamentFile(where, 1997, "RQTP0002.DAT"));
  EXPECT_EQ(ReadRegistry(where, 1997), (std::vector<std::string>{"RQTP0001.DAT", "RQTP0002.DAT"}));
}

TEST(MonthFile, AppendToAFileFoundInAnotherCaseKeepsThatFile) {
  test::TempDir dir;
  dir.Write("rs199706.dat", "\"19970601\",1,2,\" \"\r\n");
  ASSERT_FALSE(AppendTransaction(dir.Location(), 1997, 6, {"19970602", "3", "4", WinCode}, IdForm::Bare));
  EXPECT_EQ(dir.Files(), (std::vector<std::string>{"rs199706.dat"}));
  EXPECT_EQ(ReadMonthFile(dir.Location(), 1997, 6).size(), 2u);
}

TEST(MonthFile, FailedAppendIsReported) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.path() / "RS199706.DAT");
  auto error = AppendTransaction(dir.Location(), 1997, 6, {"19970602", "3", "4", WinCode}, IdForm::Bare);
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("RS199706.DAT"), std::string::npos);
}

TEST(Registry, RemovingKeepsOnlyTournamentNamesOrWritesNoQtpFiles) {
  EXPECT_EQ(RegistryBytes({"RQTP0042.DAT", "rhrsLT970617", "junk.dat", "No QTP files"}),
            "\"RQTP0042.DAT\"\r\n\"rhrsLT970617\"\r\n");
  EXPECT_EQ(RegistryBytes({"junk.dat"}), "\"No QTP files\"\r\n");
  EXPECT_EQ(RegistryBytes({}), "\"No QTP files\"\r\n");

  test::TempDir dir;
  ASSERT_FALSE(RewriteRegistry(dir.Location(), 1997, {"RQTP0042.DAT"}));
  EXPECT_EQ(ReadRegistry(dir.Location(), 1997), (std::vector<std::string>{"RQTP0042.DAT"}));
  ASSERT_FALSE(RewriteRegistry(dir.Location(), 1997, {}));
  EXPECT_EQ(*ReadRegistryLines(dir.Location(), 1997), (std::vector<std::string>{"No QTP files"}));
  EXPECT_TRUE(ReadRegistry(dir.Location(), 1997).empty());
}

TEST(Registry, RegisteringReplacesNoQtpFilesThenAppends) {
  test::TempDir dir;
  const auto where = dir.Location();
  ASSERT_FALSE(EnsureRegistry(where, 1997));
  EXPECT_EQ(dir.Read("QTPR1997.DAT"), "\"No QTP files\"\r\n");
  ASSERT_FALSE(RegisterTournamentFile(where, 1997, "RQTP0042.DAT"));
  ASSERT_FALSE(RegisterTournamentFile(where, 1997, "RHRSLT970617"));
  EXPECT_EQ(dir.Read("QTPR1997.DAT"), "\"RQTP0042.DAT\"\r\n\"RHRSLT970617\"\r\n");
  // An existing registry is left as it is.
  ASSERT_FALSE(EnsureRegistry(where, 1997));
  EXPECT_EQ(ReadRegistry(where, 1997).size(), 2u);
  // Plain append puts the name after whatever is there.
  ASSERT_FALSE(AppendToRegistry(where, 1998, "RQTP0001.DAT"));
  EXPECT_EQ(dir.Read("QTPR1998.DAT"), "\"RQTP0001.DAT\"\r\n");
}

TEST(Registry, AnUnreadableRegistryIsReportedNeverReplaced) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.path() / "QTPR1997.DAT");
  EXPECT_FALSE(ReadRegistryLines(dir.Location(), 1997));
  EXPECT_TRUE(EnsureRegistry(dir.Location(), 1997));
  EXPECT_TRUE(RegisterTournamentFile(dir.Location(), 1997, "RQTP0042.DAT"));
  EXPECT_TRUE(RewriteRegistry(dir.Location(), 1997, {"RQTP0042.DAT"}));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "QTPR1997.DAT"));
}

TEST(TournamentFile, SavedWholeAndAFailedSaveIsReportedWithoutLeftovers) {
  test::TempDir dir;
  const auto path = dir.path() / "RHRSLT970617";
  ASSERT_FALSE(SaveTournamentFile(path, "19970617", {{"12", "57", "0", "0", " "}}));
  EXPECT_EQ(dir.Read("RHRSLT970617"), "\"kontrol\"\r\n\"19970617\"\r\n12,57,0,0,\" \"\r\n");
  std::filesystem::create_directories(dir.path() / "RQTP0042.DAT" / "in-the-way");
  EXPECT_TRUE(SaveTournamentFile(dir.path() / "RQTP0042.DAT", "19970617", {}));
  EXPECT_EQ(dir.Files(), (std::vector<std::string>{"RHRSLT970617", "RQTP0042.DAT"}));
}

}  // namespace
}  // namespace hrs
