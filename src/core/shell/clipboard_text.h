#pragma once
#include <functional>
#include <string>
#include <vector>

namespace hrs {

// Copy to ClipBoard from a list: every selected line, in list order, each
// preceded by CR LF (so the text begins with CR LF; no selection gives "").
std::string ListClipboardText(const std::vector<std::string>& lines, const std::vector<bool>& selected);

// Copy to ClipBoard from a grid: rows 0 to lastRow (the rows above the
// selection, heading row included, then the selected ones), each as its
// column 0, a TAB, the columns firstColumn..lastColumn joined by TABs, and a CR.
std::string GridClipboardText(const std::function<std::string(int row, int column)>& cell, int lastRow,
                              int firstColumn, int lastColumn);

inline constexpr const char* ListCopiedMessage = "Selected lines copied to the ClipBoard";
inline constexpr const char* GridCopiedMessage = "Selected text copied to the ClipBoard";
inline constexpr const char* CopyNotSupportedMessage = "Copy to ClipBoard not supported with this data";
inline constexpr const char* CopyFailedMessage = "Error copying text to the ClipBoard";

class Dialogs;
// What Copy to ClipBoard did, told to the operator (with a beep when
// nothing was copied).
enum class ClipboardCopy { NotSupported, ListCopied, GridCopied, Failed };
void TellClipboardCopy(ClipboardCopy outcome, Dialogs& dialogs);

}  // namespace hrs
