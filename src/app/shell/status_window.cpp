#include "app/shell/status_window.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "app/platform/fixed_font.h"
#include "app/platform/qt_text.h"
#include "app/shell/picture_box.h"
#include "core/shell/status_summary.h"

namespace hrs::app {

namespace {

QGroupBox* Framed(const QString& title, QWidget* inner) {
  auto* box = new QGroupBox(title);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->addWidget(inner);
  return box;
}

}  // namespace

StatusWindow::StatusWindow(QWidget* parent) : QWidget(parent), pic2_(new PictureBox), pic1_(new PictureBox) {
  setObjectName(QStringLiteral("Status"));
  setWindowTitle(QStringLiteral("Status"));
  pic2_->setObjectName(QStringLiteral("Pic2"));
  pic1_->setObjectName(QStringLiteral("Pic1"));
  pic1_->setFont(ListFont());
  pic1_->setFixedSize(pic1_->SizeForText(40, 12));
  pic2_->setFixedSize(pic1_->width(), pic2_->SizeForText(1, 1).height());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(8);
  layout->addWidget(Framed(QStringLiteral("Current Directory"), pic2_));
  layout->addWidget(Framed(QStringLiteral("Summary"), pic1_));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void StatusWindow::ShowSummary(const Database& db, const std::string& directory, size_t directoryChars) {
  pic2_->Cls();
  pic1_->Cls();
  pic2_->Print(ToQt(StatusDirectoryText(directory, directoryChars)));
  for (const auto& line : StatusSummaryLines(db)) pic1_->Print(ToQt(line));
}

}  // namespace hrs::app
