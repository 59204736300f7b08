#include "core/shell/clipboard_text.h"

#include "core/platform/dialogs.h"

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

void TellClipboardCopy(ClipboardCopy outcome, Dialogs& dialogs) {
  switch (outcome) {
    case ClipboardCopy::NotSupported:
      dialogs.Beep();
      dialogs.Message(CopyNotSupportedMessage);
      return;
    case ClipboardCopy::ListCopied:
      dialogs.Message(ListCopiedMessage);
      return;
    case ClipboardCopy::GridCopied:
      dialogs.Message(GridCopiedMessage);
      return;
    case ClipboardCopy::Failed:
      dialogs.Beep();
      dialogs.Message(CopyFailedMessage);
      return;
  }
}

}  // namespace hrs
