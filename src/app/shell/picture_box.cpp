#include "app/shell/picture_box.h"

#include <QFontMetrics>
#include <QPainter>

namespace hrs::app {

namespace {
constexpr int Margin = PictureBox::TextMargin;
}

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

void PictureBox::Cls() {
  lines_.clear();
  update();
}

void PictureBox::Print(const QString& line) {
  lines_.append(line);
  update();
}

QSize PictureBox::SizeForText(int columns, int rows) const {
  const QFontMetrics fm(font());
  const int frame = 2 * frameWidth();
  return {fm.horizontalAdvance(QString(columns, QLatin1Char('M'))) + 2 * Margin + frame,
          fm.lineSpacing() * rows + 2 * Margin + frame};
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::Text));
  const QFontMetrics fm(font());
  const QRect area = contentsRect().adjusted(Margin, Margin, -Margin, -Margin);
  int y = area.top() + fm.ascent();
  for (const QString& line : lines_) {
    if (y - fm.ascent() > area.bottom()) break;
    painter.drawText(area.left(), y, line);
    y += fm.lineSpacing();
  }
}

}  // namespace hrs::app
