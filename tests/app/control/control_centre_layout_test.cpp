#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <map>

#include "app/control/control_centre_window.h"
#include "app/control/list_show_window.h"
#include "app/shell/shell_fixture.h"
#include "core/data/transaction_names.h"

namespace hrs::test {
namespace {

// Where the Control Centre's fields and lists stand, by name.
std::map<QString, QRect> Places(QWidget* cc) {
  std::map<QString, QRect> places;
  for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Label1", "Label4", "Label5", "Label6",
                           "Label7", "Label10", "Label11", "Check1", "List1", "Command1", "Command5"}) {
    auto* w = cc->findChild<QWidget*>(name);
    if (w && w->isVisibleTo(cc)) places[name] = QRect(w->mapTo(cc, QPoint(0, 0)), w->size());
  }
  return places;
}

// Nothing moves from mode to mode, nor for a long name beside its field.
TEST(ControlCentreLayout, ControlsKeepTheirPlacesInEveryMode) {
  ShellFixture f;
  f.WriteClub(3);
  ASSERT_TRUE(f.Start());
  f.window->database().players[1].Name = TextField::Of("Maximiliane Wilhelmina von Oberhausen-Lindqvist");
  f.window->RunMenuItem("mnukey");
  QCoreApplication::processEvents();
  QWidget* cc = f.window->FindChildWindow("dbRating");
  ASSERT_TRUE(cc);
  QTest::mouseClick(cc->findChild<QRadioButton*>("Option5"), Qt::LeftButton);
  QCoreApplication::processEvents();
  const auto keyboard = Places(cc);
  QTest::keyClicks(cc->findChild<QLineEdit*>("Text4"), "1");
  QCoreApplication::processEvents();
  EXPECT_EQ(cc->findChild<QLabel*>("Label10")->text().left(11), "Maximiliane");

  const auto same = [&](const char* step) {
    for (const auto& [name, place] : Places(cc)) {
      const auto before = keyboard.find(name);
      if (before != keyboard.end()) {
        EXPECT_EQ(place, before->second) << step << ": " << name.toStdString();
      }
    }
  };
  same("a long name");
  for (const char* button : {"Command5", "Command6", "Command7"}) {
    QTest::mouseClick(cc->findChild<QPushButton*>(button), Qt::LeftButton);
    QCoreApplication::processEvents();
    same(button);
  }
  for (const char* option : {"Option1", "Option2", "Option7", "Option5"}) {
    QTest::mouseClick(cc->findChild<QRadioButton*>(option), Qt::LeftButton);
    QCoreApplication::processEvents();
    same(option);
  }
  // The draw field hides the captions; the help text keeps its width.
  QTest::mouseClick(cc->findChild<QLineEdit*>("Text6"), Qt::LeftButton);
  QCoreApplication::processEvents();
  same("Draw");
}

// The result overview: its caption whole, Enter on a month runs it.
TEST(ControlCentreLayout, TheResultOverviewRunsOnEnterAndShowsItsWholeCaption) {
  ShellFixture f;
  f.WriteClub(3);
  f.data.Write(MonthFileName(2026, 12), "\"20261201\",\"1\",\"2\",\" \"\r\n");
  ASSERT_TRUE(f.StartShown());
  f.window->RunMenuItem("mnukey");
  QCoreApplication::processEvents();
  QWidget* cc = f.window->FindChildWindow("dbRating");
  ASSERT_TRUE(cc);
  QTest::mouseClick(cc->findChild<QRadioButton*>("Option2"), Qt::LeftButton);
  auto* months = cc->findChild<QListWidget*>("List1");
  QTest::mouseClick(months->viewport(), Qt::LeftButton, {}, months->visualItemRect(months->item(11)).center());
  months->setFocus();
  QTest::keyClick(months, Qt::Key_Return);
  QCoreApplication::processEvents();
  QWidget* show = f.window->FindChildWindow("dbListShow");
  ASSERT_TRUE(show);
  EXPECT_EQ(show->windowTitle(), "Overview for December 2026");
  auto* frame = qobject_cast<QMdiSubWindow*>(show->parentWidget());
  ASSERT_TRUE(frame);
  const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
  EXPECT_GE(frame->width(), title.horizontalAdvance(show->windowTitle()) + 4 * title.height());
}

}  // namespace
}  // namespace hrs::test
