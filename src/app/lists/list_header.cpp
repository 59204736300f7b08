#include "app/lists/list_header.h"

#include <QLabel>
#include <QListWidget>
#include <QStyle>

namespace hrs::app {

void AlignHeaderToText(QLabel* header, const QWidget* fixedPitchWidget, int textLeft) {
  header->setFont(fixedPitchWidget->font());
  header->setIndent(0);
  header->setMargin(0);
  header->setContentsMargins(textLeft, 0, 0, 0);
  // Blanks in a header are columns too.
  header->setTextFormat(Qt::PlainText);
}

void AlignHeaderToList(QLabel* header, const QListWidget* list) {
  // Where an item view starts the text of a line: inside the frame, after
  // the style's focus-frame margin and one pixel.
  const int textLeft = list->frameWidth() + list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
  AlignHeaderToText(header, list, textLeft);
}

}  // namespace hrs::app
