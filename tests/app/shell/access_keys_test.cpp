#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include "app/shell/access_keys.h"
#include "app/shell/main_menu.h"
#include "shell_fixture.h"

namespace hrs::test {
namespace {

QString Title(app::MDIForm1& window, const char* menu) {
  auto* m = window.menuBar()->findChild<QMenu*>(menu);
  return m ? m->menuAction()->text() : QString();
}

// No window of the menus gives one letter to two of its controls.
TEST(AccessKeys, NoWindowOfTheMenusUsesALetterTwice) {
  ShellFixture f;
  f.WriteClub(3);
  ASSERT_TRUE(f.Start());
  for (const app::MenuDef& menu : app::MainMenuTable())
    for (const app::MenuItemDef& item : menu.items) {
      if (item.kind != app::ItemKind::Form) continue;
      f.window->RunMenuItem(item.name);
      QCoreApplication::processEvents();
      QWidget* window = f.window->FindChildWindow(item.target);
      if (!window) continue;  // refused on this club
      QString clashes;
      for (QChar c : app::AccessKeyClashes(window)) clashes += c;
      EXPECT_TRUE(clashes.isEmpty()) << item.target << ": " << clashes.toStdString();
      for (QMdiSubWindow* sub : f.window->mdiArea()->subWindowList())
        if (sub->widget() != f.window->statusWindow()) sub->close();
      QCoreApplication::processEvents();
    }
}

// In Utilities, Alt+A is "Rating &Adjustments" and not "Re&adMe"; the menu
// gets its letter back when the window is gone.
TEST(AccessKeys, TheActiveWindowsControlsGoBeforeTheMenuBar) {
  ShellFixture f;
  f.WriteClub(3);
  ASSERT_TRUE(f.StartShown());
  EXPECT_EQ(Title(*f.window, "mnurm"), "Re&adMe");
  f.window->RunMenuItem("mnuutil");
  QCoreApplication::processEvents();
  QWidget* util = f.window->FindChildWindow("dbUtil");
  ASSERT_TRUE(util);
  EXPECT_EQ(Title(*f.window, "mnurm"), "ReadMe");
  EXPECT_EQ(Title(*f.window, "mnuman"), "Edit");          // "&Enter"
  EXPECT_EQ(Title(*f.window, "mnupr"), "Print");          // "&Print"
  EXPECT_EQ(Title(*f.window, "mnuratings"), "Perf&orm");  // no control takes O
  auto* option1 = util->findChild<QRadioButton*>("Option1");
  auto* option3 = util->findChild<QRadioButton*>("Option3");
  ASSERT_TRUE(option1 && option3);
  QTest::mouseClick(option1, Qt::LeftButton);
  ASSERT_TRUE(option1->isChecked());
  QTest::keyClick(option1, Qt::Key_A, Qt::AltModifier);
  QTRY_VERIFY(option3->isChecked());  // a shortcut clicks after a moment
  EXPECT_EQ(f.window->menuBar()->activeAction(), nullptr);

  qobject_cast<QMdiSubWindow*>(util->parentWidget())->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(Title(*f.window, "mnurm"), "Re&adMe");
  EXPECT_EQ(Title(*f.window, "mnuman"), "&Edit");
}

}  // namespace
}  // namespace hrs::test
