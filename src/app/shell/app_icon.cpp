#include "app/shell/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace hrs::app {

namespace {

QPixmap IconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1f, 0x4e, 0x8c));
  p.drawRoundedRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0), size / 6.0, size / 6.0);
  // Three bars of a ranking, highest in the middle.
  p.setBrush(QColor(0xf2, 0xc1, 0x4e));
  const double w = size / 5.0, base = size * 0.82;
  p.drawRect(QRectF(size * 0.14, base - size * 0.36, w, size * 0.36));
  p.drawRect(QRectF(size * 0.40, base - size * 0.60, w, size * 0.60));
  p.drawRect(QRectF(size * 0.66, base - size * 0.24, w, size * 0.24));
  return pixmap;
}

}  // namespace

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(IconPixmap(size));
  return icon;
}

}  // namespace hrs::app
