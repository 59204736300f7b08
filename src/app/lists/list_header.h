#pragma once

class QLabel;
class QListWidget;
class QWidget;

namespace hrs::app {

// A column header over a fixed-pitch list: in the list's own font, its text
// starting at the list's first text column. The label must stand at the
// list's left edge.
void AlignHeaderToList(QLabel* header, const QListWidget* list);

// The same over any widget that draws its text `textLeft` pixels in.
void AlignHeaderToText(QLabel* header, const QWidget* fixedPitchWidget, int textLeft);

}  // namespace hrs::app
