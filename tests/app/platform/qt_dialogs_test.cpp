#include "app/platform/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace hrs::app {
namespace {

// Runs `answer` on the modal dialog as soon as it is up.
void WhenModal(std::function<void(QWidget*)> answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    answer(modal);
  });
}

TEST(QtDialogs, AMessageShowsEachCrAsALineBreakUnderTheProgramsName) {
  QPrinter printer;
  QtDialogs dialogs(printer);
  QString text, title;
  QMessageBox::Icon icon{};
  WhenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    text = box->text();
    title = box->windowTitle();
    icon = box->icon();
    box->button(QMessageBox::Cancel)->click();
  });
  EXPECT_EQ(dialogs.Message("Welcome\r\rPlease confirm", Buttons::OkCancel, Icon::Question, ""), Answer::Cancel);
  EXPECT_EQ(text, QStringLiteral("Welcome\n\nPlease confirm"));
  EXPECT_EQ(title, QStringLiteral("Halvik Ranking System 1.24"));
  EXPECT_EQ(icon, QMessageBox::Question);

  WhenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    title = box->windowTitle();
    icon = box->icon();
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(dialogs.Message("Sure?", Buttons::YesNo, Icon::Warning, "Old rating year"), Answer::Yes);
  EXPECT_EQ(title, QStringLiteral("Old rating year"));
  EXPECT_EQ(icon, QMessageBox::Warning);

  // Closed from its title bar: the safe answer.
  WhenModal([](QWidget* w) { w->close(); });
  EXPECT_EQ(dialogs.Message("Sure?", Buttons::YesNo, Icon::Question, ""), Answer::No);

  // Where Yes destroys work, No is the default button.
  WhenModal([](QWidget* w) { qobject_cast<QMessageBox*>(w)->defaultButton()->click(); });
  EXPECT_EQ(dialogs.Message("Replace?", Buttons::YesNoDefaultNo, Icon::Warning, ""), Answer::No);
}

TEST(QtDialogs, AnInputBoxGivesTheTextOrNothing) {
  QPrinter printer;
  QtDialogs dialogs(printer);
  QString label;
  WhenModal([&](QWidget* w) {
    auto* box = qobject_cast<QInputDialog*>(w);
    ASSERT_NE(box, nullptr);
    label = box->labelText();
    EXPECT_EQ(box->textValue(), QStringLiteral("1600"));
    box->setTextValue(QStringLiteral("1650"));
    box->accept();
  });
  EXPECT_EQ(dialogs.Input("First\rSecond", "Rating", "1600"), std::optional<std::string>("1650"));
  EXPECT_EQ(label, QStringLiteral("First\nSecond"));
  WhenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
  EXPECT_EQ(dialogs.Input("Name", "", ""), std::nullopt);
}

}  // namespace
}  // namespace hrs::app
