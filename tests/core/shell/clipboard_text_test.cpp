#include "core/shell/clipboard_text.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"

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

TEST(ClipboardText, WhatWasCopiedIsToldWithABeepWhenNothingWas) {
  const struct {
    ClipboardCopy outcome;
    const char* message;
    int beeps;
  } cases[] = {{ClipboardCopy::ListCopied, "Selected lines copied to the ClipBoard", 0},
               {ClipboardCopy::GridCopied, "Selected text copied to the ClipBoard", 0},
               {ClipboardCopy::NotSupported, "Copy to ClipBoard not supported with this data", 1},
               {ClipboardCopy::Failed, "Error copying text to the ClipBoard", 1}};
  for (const auto& c : cases) {
    test::ScriptedDialogs dialogs;
    TellClipboardCopy(c.outcome, dialogs);
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(dialogs.Beeps(), c.beeps) << c.message;
  }
}

}  // namespace
}  // namespace hrs
