#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/shell/form_registry.h"
#include "app/shell/main_menu.h"
#include "shell_fixture.h"

namespace hrs::test {
namespace {

struct Item {
  std::string name;
  int index;
  std::string caption;
  std::string key;
};

struct Menu {
  std::string name;
  std::string caption;
  std::vector<Item> items;
};

std::vector<Menu> ExpectedMenus() {
  std::vector<Item> readMe;
  const char* captions[] = {"Introduction",       "-", "Calculation Method", "Performance",
                            "-",                  "Setup", "Player Database", "Control Centre",
                            "Utilities",          "-", "Calculate Ratings", "-",
                            "Swiss Tournament",   "Small Tournament", "-", "Imported User Files",
                            "Files and Directories", "Error Correction", "-", "How To",
                            "What If",            "-", "Design"};
  for (int i = 0; i < 23; ++i) readMe.push_back({"rmdb", i, captions[i], ""});
  return {
      {"dbfile", "&File",
       {{"mnusetup", -1, "Setup", ""}, {"mnu_wsd", -1, "Window arrangement by user", ""}, {"mnuexit", -1, "Exit", ""}}},
      {"mnuman", "&Edit",
       {{"mnuplay", -1, "Players", "F2"},
        {"mnukey", -1, "Control Centre", "F3"},
        {"mnuutil", -1, "Utilities", "F4"},
        {"mnu_m1", -1, "-", ""},
        {"mnutour", -1, "QTP Swiss Tournament", "F5"},
        {"mnu_em1", -1, "-", ""},
        {"mnucopc", -1, "Copy to ClipBoard", ""}}},
      {"mnuratings", "Perf&orm",
       {{"mnucalc", -1, "Calculate Ratings", "F6"},
        {"mnuquery", -1, "Rating Query", ""},
        {"mnu_m2", -1, "-", ""},
        {"mnu_lt", -1, "Small Tournament", ""}}},
      {"mnuview", "&View",
       {{"mnuv1", -1, "Ranking List", "F7"},
        {"mnuv2", -1, "Master List by Sys ID", ""},
        {"mnuv3", -1, "Master List by Membership No", ""},
        {"mnuv4", -1, "Master List by Name", ""},
        {"mnu_m3", -1, "-", ""},
        {"mnuv5", -1, "Rating History by Sys Id", ""},
        {"mnuv6", -1, "Ratig History by Name", ""}}},
      {"mnupr", "&Print",
       {{"mnu_rlbm", -1, "Ranking List, by month", "F8"},
        {"dbprt", 0, "Ranking List, dynamic", "F9"},
        {"dbprt", 1, "Master List by Sys ID", "F11"},
        {"dbprt", 2, "Master List by Membership No", ""},
        {"dbprt", 3, "Master List by Name", "F12"},
        {"mnu_m5", -1, "-", ""},
        {"mnu_prh", -1, "Rating History by Sys Id", ""},
        {"mnu_prhn", -1, "Rating History by Name", ""}}},
      {"mnurm", "Re&adMe", readMe},
  };
}

TEST(MainMenu, MenusItemsCaptionsAndKeysAreThoseOfTheSystemInOrder) {
  ShellFixture f;
  app::MDIForm1& w = f.NewWindow();
  const auto expected = ExpectedMenus();
  const auto menus = w.menuBar()->actions();
  ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
  for (size_t m = 0; m < expected.size(); ++m) {
    QMenu* menu = menus[static_cast<qsizetype>(m)]->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName().toStdString(), expected[m].name);
    EXPECT_EQ(menu->title().toStdString(), expected[m].caption);
    const auto items = menu->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(expected[m].items.size())) << expected[m].name;
    for (size_t i = 0; i < expected[m].items.size(); ++i) {
      const Item& e = expected[m].items[i];
      QAction* a = items[static_cast<qsizetype>(i)];
      EXPECT_EQ(a->objectName().toStdString(), e.name);
      EXPECT_EQ(a->property("index").isValid() ? a->property("index").toInt() : -1, e.index) << e.name;
      EXPECT_EQ(a->isSeparator(), e.caption == "-") << e.name;
      if (!a->isSeparator()) {
        EXPECT_EQ(a->text().toStdString(), e.caption) << e.name;
      }
      EXPECT_EQ(a->shortcut().toString().toStdString(), e.key) << e.name;
      EXPECT_EQ(w.MenuItem(a->objectName(), e.index), a) << e.name;
    }
  }
}

TEST(MainMenu, EveryItemIsEnabledAndOpensAWindowOrRunsACommand) {
  ShellFixture f;
  app::MDIForm1& w = f.NewWindow();
  for (const app::MenuDef& menu : app::MainMenuTable())
    for (const app::MenuItemDef& item : menu.items) {
      if (item.kind == app::ItemKind::Separator) continue;
      EXPECT_TRUE(w.MenuItem(item.name, item.index)->isEnabled()) << item.name;
      if (item.kind == app::ItemKind::Form) {
        EXPECT_NE(app::FindFormFactory(item.target), nullptr) << item.name;
      }
      if (item.kind == app::ItemKind::Action || item.kind == app::ItemKind::Print) {
        EXPECT_NE(app::FindMenuAction(item.name), nullptr) << item.name;
      }
    }
}

TEST(MainMenu, WithOnePlayerTheCommandsThatNeedTwoRefuse) {
  ShellFixture f;
  f.WriteClub(1);
  ASSERT_TRUE(f.Start());
  const std::pair<const char*, const char*> cases[] = {
      {"mnucalc", "Less than 2 players in database"},
      {"mnuquery", "Less than 2 players in database"},
      {"mnu_lt", "Less than 2 players in the database"},
  };
  for (const auto& [item, message] : cases) {
    f.dialogs.Clear();
    f.window->RunMenuItem(item);
    EXPECT_EQ(f.dialogs.Beeps(), 1) << item;
    EXPECT_EQ(f.dialogs.Messages(), std::vector<std::string>{message}) << item;
  }
  EXPECT_TRUE(f.window->statusWindow()->isVisible());
}

TEST(MainMenu, AGuardedCommandHidesTheStatusAndOpensItsWindowOnce) {
  int built = 0;
  const auto real = app::SetFormFactoryForTest("dbCalc", [&built](app::AppContext&) {
    ++built;
    return new QWidget;
  });
  ShellFixture f;
  f.WriteClub(2);
  ASSERT_TRUE(f.Start());
  f.window->RunMenuItem("mnucalc");
  f.window->RunMenuItem("mnucalc");
  app::SetFormFactoryForTest("dbCalc", real);
  EXPECT_EQ(built, 1);
  QWidget* calc = f.window->FindChildWindow("dbCalc");
  ASSERT_NE(calc, nullptr);
  EXPECT_TRUE(calc->isVisible());
  EXPECT_FALSE(f.window->statusWindow()->isVisible());

  // Closed by its title bar: the status window comes back all the same.
  calc->parentWidget()->close();
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(f.window->statusWindow()->isVisible());
  EXPECT_EQ(f.window->FindChildWindow("dbCalc"), nullptr);
}

TEST(MainMenu, TogglingTheArrangementTwiceShowsBothMessagesAndCaptions) {
  ShellFixture f;
  f.WriteClub(2);
  ASSERT_TRUE(f.Start());
  QAction* item = f.window->MenuItem("mnu_wsd");
  EXPECT_FALSE(item->isChecked());
  f.window->RunMenuItem("mnu_wsd");
  EXPECT_TRUE(item->isChecked());
  EXPECT_EQ(item->text(), QStringLiteral("Window Arrangement by user"));
  f.window->RunMenuItem("mnu_wsd");
  EXPECT_FALSE(item->isChecked());
  EXPECT_EQ(item->text(), QStringLiteral("Window Arrangement by default"));
  EXPECT_EQ(f.dialogs.Messages(),
            (std::vector<std::string>{"Window Arrangement by user", "Window Arrangement by default"}));
}

}  // namespace
}  // namespace hrs::test

namespace hrs::test {
namespace {

TEST(MainMenu, SetupOpensTheSetupWindowWhoseCloseBringsBackTheStatus) {
  ShellFixture f;
  f.WriteClub(2);
  ASSERT_TRUE(f.Start());
  ASSERT_TRUE(f.window->MenuItem("mnusetup")->isEnabled());
  f.window->RunMenuItem("mnusetup");
  QWidget* setup = f.window->FindChildWindow("dbSetup");
  ASSERT_NE(setup, nullptr);
  // Setup leaves the status window where it is.
  EXPECT_TRUE(f.window->statusWindow()->isVisible());
  f.window->HideStatus();
  auto* close = setup->findChild<QPushButton*>("Command2");
  ASSERT_NE(close, nullptr);
  close->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(f.window->FindChildWindow("dbSetup"), nullptr);
  EXPECT_TRUE(f.window->statusWindow()->isVisible());
}

}  // namespace
}  // namespace hrs::test
