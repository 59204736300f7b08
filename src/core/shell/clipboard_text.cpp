#include "core/shell/clipboard_text.h"

namespace hrs {

std::string ListClipboardText(const std::vector<std::string>& lines, const std::vector<bool>& selected) {
  std::string text;
  for (size_t i = 0; i < lines.size() && i < selected.size(); ++i)
    if (selected[i]) text += "\r\n" + lines[i];
  return text;
}

std::string GridClipboardText(const std::function<std::string(int row, int column)>& cell, int lastRow,
                              int firstColumn, int lastColumn) {
  std::string text;
  for (int row = 0; row <= lastRow; ++row) {
    text += cell(row, 0);
    text += '\t';
    for (int column = firstColumn; column <= lastColumn; ++column) {
      if (column > firstColumn) text += '\t';
      text += cell(row, column);
    }
    text += '\r';
  }
  return text;
}

}  // namespace hrs
