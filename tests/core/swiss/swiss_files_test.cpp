#include <gtest/gtest.h>

#include "core/swiss/prereg_file.h"
#include "core/swiss/state_file.h"
#include "core/swiss/turn_lines.h"
#include "support/temp_dir.h"

namespace hrs::test {
namespace {

TEST(StateFile, FiveValuesOrNothing) {
  const struct {
    std::string bytes;
    bool read;
    bool started;
    int maximum;
    bool second;
  } cases[] = {
      {Fixture("swiss/open_rund.dat"), true, false, 40, false},
      {Fixture("swiss/started_rund.dat"), true, true, 40, false},
      {Fixture("swiss/second_rund.dat"), true, false, 40, true},
      {"1\r\n0\r\n64\r\n\"x\"\r\n1\r\n", true, true, 64, false},  // one value a line
      {"0,3,40,\"\"", false, false, 0, false},  // truncated
      {"", false, false, 0, false},
      {"\"Winter Open\",\"Halvik Club\"\r\n7,0,1,2\r\n", false, false, 0, false},  // a setup file
  };
  for (const auto& c : cases) {
    const auto state = ParseStateFile(c.bytes);
    ASSERT_EQ(state.has_value(), c.read) << c.bytes;
    if (!state) continue;
    EXPECT_EQ(state->started, c.started) << c.bytes;
    EXPECT_EQ(state->maximumPlayers, c.maximum) << c.bytes;
    EXPECT_EQ(state->secondOfDouble, c.second) << c.bytes;
  }
}

TEST(PreRegFile, WrittenWholeInTheWriteForm) {
  TempDir dir;
  DataLocation where = dir.Location();
  where.qtpDir = dir.path();
  dir.Write("wintdelt.pre", "\"Old\",1500,9,0,0\r\n\"Older\",1500,8,0,0\r\n");
  ASSERT_FALSE(WritePreRegFile(where, "WINT", {{"Anna \"A\" Berg", 1850, 1, 12345}, {"Bo Lund", 1600, 2, 0}}));
  // The file of the companion program is replaced where it is, whatever the case of its name.
  EXPECT_EQ(dir.Files(), std::vector<std::string>{"wintdelt.pre"});
  EXPECT_EQ(dir.Read("wintdelt.pre"), "\"Anna 'A' Berg\",1850,1,12345,0\r\n\"Bo Lund\",1600,2,0,0\r\n");
}

TEST(TurnLines, PlayerLinesAndSlots) {
  EXPECT_EQ(SelectedPlayerLine("Maximilian Alexander von Habsburg", 1998), "Maximilian Alexander vo 1998");
  EXPECT_EQ(LineName("Maximilian Alexander vo 1998"), "Maximilian Alexander vo");
  EXPECT_EQ(SlotLine("A reserved slot for the club champion"), "A reserved slot for the club    0");
  const std::pair<const char*, int> ids[] = {{"Anna Berg                  1", 1}, {"Reserved                        0", 0},
                                             {"Guest", 0}, {"", 0}, {"Guest  12", 12}, {"Guest 12", 0}, {"Guest -12", 0}};
  for (const auto& [line, id] : ids) EXPECT_EQ(LineSysId(line), id) << line;
}

}  // namespace
}  // namespace hrs::test
