#include "core/shell/clipboard_text.h"

#include <gtest/gtest.h>

namespace hrs {
namespace {

TEST(ClipboardText, ListGivesEachSelectedLinePrecededByCrLf) {
  const std::vector<std::string> lines = {"  1 Anders", "  2 Birgit", "  3 Carsten", "  4 Dorte"};
  EXPECT_EQ(ListClipboardText(lines, {false, true, false, true}), "\r\n  2 Birgit\r\n  4 Dorte");
  EXPECT_EQ(ListClipboardText(lines, {false, false, false, false}), "");
}

TEST(ClipboardText, GridGivesRowsFromTheTopToTheLastSelectedRow) {
  auto cell = [](int row, int column) { return "r" + std::to_string(row) + "c" + std::to_string(column); };
  std::string expected;
  for (int row = 0; row <= 6; ++row) {
    const std::string r = std::to_string(row);
    expected += "r" + r + "c0\tr" + r + "c3\tr" + r + "c4\r";
  }
  EXPECT_EQ(GridClipboardText(cell, 6, 3, 4), expected);
  EXPECT_EQ(GridClipboardText(cell, 0, 2, 2), "r0c0\tr0c2\r");
}

}  // namespace
}  // namespace hrs
