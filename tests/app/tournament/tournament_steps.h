#pragma once
// The steps the tests take in the small-tournament windows, as the operator would.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/shell/shell_fixture.h"

namespace hrs::test {

// A menu item of the window, chosen; it must be there and enabled.
inline void Choose(QWidget* window, const char* item) {
  QAction* action = window->findChild<QAction*>(item);
  ASSERT_TRUE(action) << item;
  ASSERT_TRUE(action->isEnabled()) << item;
  action->trigger();
  QApplication::processEvents();
}

// A row of the list clicked, scrolled into view first.
inline void Click(QListWidget* list, int row) {
  list->scrollToItem(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// One result typed into dbLocal2 and saved: the match, then each player's games.
inline void Type(QWidget* local2, const QString& match, const QString& a, const QString& b) {
  QTest::keyClicks(Child<QLineEdit>(local2, "Text1"), match);
  QTest::keyClicks(Child<QLineEdit>(local2, "Text2"), a);
  QTest::keyClicks(Child<QLineEdit>(local2, "Text3"), b);
  QTest::mouseClick(Child<QPushButton>(local2, "Command1"), Qt::LeftButton);
}

// The first `players` of the selection grouped and made into a match program
// (the grouping confirmed, no 2-1 victories); dbLocal2, or null.
inline QWidget* MatchProgram(ShellFixture& f, int players) {
  f.window->RunMenuItem("mnu_lt");
  QWidget* local = f.window->FindChildWindow("dbLocal");
  if (!local) return nullptr;
  auto* selection = Child<QListWidget>(local, "SelectionList");
  for (int row = 0; row < players; ++row) Click(selection, row);
  Choose(local, "ltmnu_grup");
  f.dialogs.Answer(Answer::Ok);
  f.dialogs.Answer(Answer::No);
  Choose(local, "ltmnu_match");
  return f.window->FindChildWindow("dbLocal2");
}

}  // namespace hrs::test
