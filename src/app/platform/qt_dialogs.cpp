#include "app/platform/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "app/platform/fixed_font.h"
#include "app/platform/qt_text.h"
#include "core/data/database.h"

namespace hrs::app {

QString DialogTitle(const std::string& title) {
  return title.empty() ? QString::fromLatin1(ProductTitle) : ToQt(title);
}

QtDialogs::QtDialogs(QPrinter& printer, QWidget* parent) : printer_(printer), parent_(parent) {}

namespace {

QMessageBox::Icon BoxIcon(Icon icon) {
  switch (icon) {
    case Icon::Question: return QMessageBox::Question;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

Answer QtDialogs::Message(const std::string& text, Buttons buttons, Icon icon, const std::string& title, QuestionName) {
  QMessageBox box(BoxIcon(icon), DialogTitle(title), MessageText(text), QMessageBox::NoButton, parent_);
  box.setTextFormat(Qt::PlainText);
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(buttons == Buttons::YesNo ? QMessageBox::Yes : QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
  }
  box.exec();
  const auto clicked = box.standardButton(box.clickedButton());
  if (clicked == QMessageBox::Ok) return Answer::Ok;
  if (clicked == QMessageBox::Yes) return Answer::Yes;
  if (clicked == QMessageBox::No) return Answer::No;
  // Closed without a button: the safe answer.
  switch (buttons) {
    case Buttons::OkCancel: return Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
      return Answer::No;
    case Buttons::Ok: break;
  }
  return Answer::Ok;
}

std::optional<std::string> QtDialogs::Input(const std::string& prompt, const std::string& title,
                                            const std::string& defaultText, QuestionName) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent_, DialogTitle(title), MessageText(prompt), QLineEdit::Normal,
                                             ToQt(defaultText), &ok);
  if (!ok) return std::nullopt;
  return FromQt(text);
}

void QtDialogs::Beep() { QApplication::beep(); }

std::optional<std::string> QtDialogs::ChooseOpenFile(const std::string& title, const std::string& filter,
                                                     const std::string& directory) {
  const QString path = QFileDialog::getOpenFileName(parent_, DialogTitle(title), ToQt(directory), ToQt(filter));
  if (path.isEmpty()) return std::nullopt;
  return FromQt(path);
}

std::optional<std::string> QtDialogs::ChooseSaveFile(const std::string& title, const std::string& filter,
                                                     const std::string& directory) {
  const QString filters = ToQt(filter);
  QString selected;
  const QString path = QFileDialog::getSaveFileName(parent_, DialogTitle(title), ToQt(directory), filters, &selected);
  chosenType_ = selected.isEmpty() ? -1 : static_cast<int>(filters.split(QStringLiteral(";;")).indexOf(selected));
  if (path.isEmpty()) return std::nullopt;
  return FromQt(path);
}

std::optional<FontChoice> QtDialogs::ChooseFixedFont(const FontChoice& current) {
  bool ok = false;
  // Only the static call lists the fixed-pitch families alone.
  const QFont font =
      QFontDialog::getFont(&ok, FontDialogPreset(current.family, current.pointSize), parent_, QStringLiteral("Font"),
                           QFontDialog::MonospacedFonts | QFontDialog::DontUseNativeDialog);
  if (!ok) return std::nullopt;
  return FontChoice{FromQt(font.family()), font.pointSize() > 0 ? font.pointSize() : current.pointSize};
}

bool QtDialogs::ChoosePageSetup() {
  QPageSetupDialog dialog(&printer_, parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::ChoosePrinter() {
  QPrintDialog dialog(&printer_, parent_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace hrs::app
