#include "app/shell/splash_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QScreen>
#include <QVBoxLayout>

#include "app/platform/fixed_font.h"
#include "app/shell/picture_box.h"
#include "core/data/database.h"

namespace hrs::app {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen), pic1_(new PictureBox) {
  setObjectName(QStringLiteral("dbhoved"));
  setWindowTitle(QString::fromLatin1(ProductTitle));
  pic1_->setObjectName(QStringLiteral("Pic1"));
  pic1_->setFont(ListFont());
  pic1_->setFixedSize(pic1_->SizeForText(36, 3));

  auto* frame = new QGroupBox(QStringLiteral("Halvik Ranking System"));
  auto* inner = new QVBoxLayout(frame);
  inner->addWidget(pic1_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addWidget(frame);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::PrintNow(const QString& line) {
  pic1_->Print(line);
  pic1_->repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace hrs::app
