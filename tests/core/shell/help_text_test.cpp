#include "core/shell/help_text.h"

#include <gtest/gtest.h>

namespace hrs {
namespace {

TEST(HelpText, ChaptersAreLaidOutWithTheirKeysAndSeparators) {
  std::vector<std::string> bodies(16);
  bodies[0] = "First paragraph.\r\n\r\nSecond.\n";
  const auto lines = HelpLines(bodies);
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0].line, std::string(50, ' ') + "1. Ranking Database Introduction");
  EXPECT_EQ(lines[0].value, 1);
  EXPECT_EQ(lines[1].line, " ");
  EXPECT_EQ(lines[2].line, " First paragraph.");
  EXPECT_EQ(lines[3].line, " ");
  EXPECT_EQ(lines[4].line, " Second.");
  EXPECT_EQ(lines[5].line, std::string(144, '-'));
  EXPECT_EQ(lines[6].line, std::string(50, ' ') + "2. Calculation Method");
  EXPECT_EQ(lines[6].value, 3);
  int headings = 0;
  for (const auto& l : lines) headings += l.value > 0 ? 1 : 0;
  EXPECT_EQ(headings, 16);
  // "Design" is rmdb 22: its heading, key 23, becomes the top line.
  const int top = HelpTopLine(lines, 22);
  EXPECT_EQ(lines[static_cast<size_t>(top)].line, std::string(50, ' ') + "16. Program Design");
  EXPECT_EQ(lines[static_cast<size_t>(top)].value, 23);
  EXPECT_EQ(HelpTopLine(lines, 1), -1);  // a separator shows nothing
}

TEST(HelpText, TheMenuHasSeparatorsBetweenItsGroups) {
  const auto captions = ReadMeMenuCaptions();
  ASSERT_EQ(captions.size(), 23u);
  for (int i : {1, 4, 9, 11, 14, 18, 21}) EXPECT_EQ(captions[static_cast<size_t>(i)], "-") << i;
  EXPECT_EQ(captions[0], "Introduction");
  EXPECT_EQ(captions[22], "Design");
}

}  // namespace
}  // namespace hrs
