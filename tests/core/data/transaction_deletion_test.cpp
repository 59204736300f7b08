#include "core/data/transaction_deletion.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/data/month_file.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

using Result = DeleteOutcome::Result;

// Keyboard lines (quoted ids), an imported line (bare ids) and two identical wins.
const std::string June =
    "\"19970603\",\"12\",\"57\",\" \"\r\n"
    "\"19970605\",57,12,\"X\"\r\n"
    "\"19970605\",\"12\",\"57\",\" \"\r\n"
    "\"19970607\",4,5,\" \"\r\n"
    "\"19970607\",4,5,\" \"\r\n";

class MonthFileDeletion : public ::testing::Test {
 protected:
  void SetUp() override { dir.Write("RS199706.DAT", June); }
  DeleteOutcome Delete(const Transaction& t) { return DeleteTransaction(dir.Location(), 1997, 6, t); }
  test::TempDir dir;
};

TEST_F(MonthFileDeletion, OnlyTheFirstOfTwoIdenticalLinesGoesAndTheRestStayByteForByte) {
  EXPECT_EQ(Delete({"19970607", "4", "5", " "}).result, Result::Deleted);
  EXPECT_EQ(dir.Read("RS199706.DAT"),
            "\"19970603\",\"12\",\"57\",\" \"\r\n"
            "\"19970605\",57,12,\"X\"\r\n"
            "\"19970605\",\"12\",\"57\",\" \"\r\n"
            "\"19970607\",4,5,\" \"\r\n");
  EXPECT_FALSE(dir.Exists("hvkwork.dat"));
}

TEST_F(MonthFileDeletion, ADrawIsFoundWhateverTheOrderOfItsIds) {
  EXPECT_EQ(Delete({"19970605", "12", "57", "X"}).result, Result::Deleted);
  auto left = ReadMonthFile(dir.Location(), 1997, 6);
  ASSERT_EQ(left.size(), 4u);
  for (const auto& t : left) EXPECT_FALSE(t.IsDraw());

  dir.Write("RS199706.DAT", June);
  EXPECT_EQ(Delete({"19970605", "57", "12", "X"}).result, Result::Deleted);
  EXPECT_EQ(ReadMonthFile(dir.Location(), 1997, 6).size(), 4u);
}

TEST_F(MonthFileDeletion, AWinMatchesOnlyAWinOfTheSameWinner) {
  // The draw of the 5th comes first in the file but is not the selected win.
  EXPECT_EQ(Delete({"19970605", "12", "57", " "}).result, Result::Deleted);
  const auto left = ReadMonthFile(dir.Location(), 1997, 6);
  ASSERT_EQ(left.size(), 4u);
  EXPECT_TRUE(left[1].IsDraw());
  EXPECT_EQ(left[2].date, "19970607");
  // The loser as the first id is a different result.
  EXPECT_EQ(Delete({"19970603", "57", "12", " "}).result, Result::NotFound);
}

TEST_F(MonthFileDeletion, QuotedAndBareIdsMatchAlike) {
  EXPECT_TRUE(FindTransaction(dir.Location(), 1997, 6, {"19970607", " 4", "5", " "}));
  EXPECT_EQ(*FindTransaction(dir.Location(), 1997, 6, {"19970603", "12", "57", " "}), 0u);
}

TEST_F(MonthFileDeletion, NotFoundLeavesEverythingAsItWas) {
  EXPECT_EQ(Delete({"19970608", "4", "5", " "}).result, Result::NotFound);
  EXPECT_EQ(DeleteTransaction(dir.Location(), 1997, 7, {"19970703", "12", "57", " "}).result, Result::NotFound);
  EXPECT_EQ(dir.Read("RS199706.DAT"), June);
  EXPECT_EQ(dir.Files(), (std::vector<std::string>{"RS199706.DAT"}));
}

TEST_F(MonthFileDeletion, AScratchFileThatCannotBeWrittenLeavesTheMonthFileWhole) {
  std::filesystem::create_directories(dir.path() / "hvkwork.dat" / "in-the-way");
  const auto outcome = Delete({"19970607", "4", "5", " "});
  EXPECT_EQ(outcome.result, Result::Failed);
  EXPECT_NE(outcome.reason.find("hvkwork.dat"), std::string::npos);
  EXPECT_EQ(dir.Read("RS199706.DAT"), June);
}

TEST_F(MonthFileDeletion, ARecordCutShortAtTheEndIsKept) {
  dir.Write("RS199706.DAT", "\"19970603\",\"12\",\"57\",\" \"\r\n\"19970604\",\"3\"\r\n");
  EXPECT_EQ(Delete({"19970603", "12", "57", " "}).result, Result::Deleted);
  EXPECT_EQ(dir.Read("RS199706.DAT"), "\"19970604\",\"3\"\r\n");
}

}  // namespace
}  // namespace hrs
