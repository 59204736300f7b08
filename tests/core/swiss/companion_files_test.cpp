#include <gtest/gtest.h>

#include "core/swiss/companion_files.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

// The setup file's 36 values with the used ones given.
std::string SetupBytes(const std::string& name, int v3, int v10, int v13, int v36, int count = 36) {
  std::string out;
  for (int i = 1; i <= count; ++i) {
    std::string v = "0";
    if (i == 1) v = "\"" + name + "\"";
    else if (i == 2 || i == 16 || (i >= 26 && i <= 29)) v = "\"x\"";
    else if (i == 7) v = "#2026-10-03 00:00:00#";
    else if (i == 3) v = std::to_string(v3);
    else if (i == 10) v = std::to_string(v10);
    else if (i == 13) v = std::to_string(v13);
    else if (i == 36) v = std::to_string(v36);
    out += v + (i % 5 == 0 || i == count ? "\r\n" : ",");
  }
  return out;
}

TEST(CompanionSetup, ReadsTheNamedValuesAsFarAsPresent) {
  struct Case {
    const char* what;
    std::string bytes;
    bool ok;
    long long v3, max;
    bool sanctioned, team;
  };
  const std::vector<Case> cases = {
      {"whole file", SetupBytes("Open", 5, 998, 1, 1), true, 5, 998, true, true},
      {"not sanctioned, no team", SetupBytes("Open", 5, 200, 0, 0), true, 5, 200, false, false},
      {"first part only", SetupBytes("Open", 3, 500, 1, 1, 15), true, 3, 500, true, false},
      {"second part cut short", SetupBytes("Open", 3, 500, 0, 1, 22), true, 3, 500, false, false},
      {"third value 0", SetupBytes("Open", 0, 998, 0, 0), true, 0, 998, false, false},
      {"first part cut short", SetupBytes("Open", 5, 998, 1, 1, 14), false, 0, 0, false, false},
      {"empty file", "", false, 0, 0, false, false},
      {"third value not a number", "\"Open\",\"x\",\"abc\",0,0,0,#2026-10-03#,0,0,0,0,0,0,0,0\r\n", false, 0, 0,
       false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto setup = ParseCompanionSetup(c.bytes);
    ASSERT_EQ(setup.has_value(), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(setup->name, "Open");
    EXPECT_EQ(setup->value3, c.v3);
    EXPECT_EQ(setup->maxSupported, c.max);
    EXPECT_EQ(setup->sanctioned, c.sanctioned);
    EXPECT_EQ(setup->team, c.team);
  }
}

TEST(CompanionParticipants, SevenValuesALineUpToTheLimit) {
  auto table = ParseParticipants(test::Fixture("companion/T042delt.dat"));
  ASSERT_TRUE(table.has_value());
  ASSERT_EQ(table->size(), 3u);
  EXPECT_EQ((*table)[1].number, 2);
  EXPECT_EQ((*table)[1].name, "Carl 'CJ' Dahl");
  EXPECT_EQ((*table)[0].mbShipNo, 10012345);
  EXPECT_EQ((*table)[2].mbShipNo, 20031);
  EXPECT_EQ(FindParticipant(*table, 3)->name, "Eva Fors");
  EXPECT_EQ(FindParticipant(*table, 9), nullptr);

  auto lines = [](int n) {
    std::string out;
    for (int i = 1; i <= n; ++i) out += std::to_string(i) + ",\"P\",0,0,0,\"" + std::to_string(10000 + i) + "\",0\r\n";
    return out;
  };
  EXPECT_EQ(ParseParticipants(lines(998))->size(), 998u);
  EXPECT_FALSE(ParseParticipants(lines(999)).has_value());
  EXPECT_EQ(ParseParticipants("")->size(), 0u);
  EXPECT_FALSE(ParseParticipants("1,\"Ann\",0,0,0,\"12345\"\r\n").has_value()) << "line cut short";
  EXPECT_FALSE(ParseParticipants("A,\"Ann\",0,0,0,\"12345\",0\r\n").has_value()) << "number not a number";
  EXPECT_EQ((*ParseParticipants("1,\"Ann\",0,0,0,\"none\",0\r\n"))[0].mbShipNo, 0) << "text taken by its value";
}

TEST(CompanionFiles, FoundInTheDataDirectoryWithoutRegardToCase) {
  test::TempDir dir;
  dir.Write("T042FAST.DAT", test::Fixture("companion/T042fast.dat"));
  dir.Write("t042delt.dat", test::Fixture("companion/T042delt.dat"));
  auto setup = ReadCompanionSetup(dir.Location(), "T042");
  ASSERT_TRUE(setup.has_value());
  EXPECT_EQ(setup->name, "Autumn Open 2026");
  EXPECT_EQ(setup->value3, 5);
  EXPECT_EQ(setup->maxSupported, 998);
  EXPECT_TRUE(setup->sanctioned);
  EXPECT_FALSE(setup->team);
  EXPECT_EQ(ReadCompanionName(dir.Location(), "T042"), "Autumn Open 2026");
  EXPECT_EQ(ReadParticipants(dir.Location(), "T042")->size(), 3u);
  EXPECT_FALSE(ReadCompanionSetup(dir.Location(), "T043").has_value());
  EXPECT_FALSE(ReadParticipants(dir.Location(), "T043").has_value());
  EXPECT_FALSE(ReadCompanionName(dir.Location(), "T043").has_value());
}

}  // namespace
}  // namespace hrs
