#pragma once
#include "core/platform/dialogs.h"

class QMdiArea;

namespace hrs::app {

// Copy to ClipBoard: the selected lines of the active list (QListWidget) or
// the selected block of the active grid (QTableWidget) of the active child
// window, with the message that says what was copied. A grid's row 0 is its
// heading row, as the grids of this system keep their headings in row 0.
void CopyToClipboard(QMdiArea& mdi, Dialogs& dialogs);

}  // namespace hrs::app
