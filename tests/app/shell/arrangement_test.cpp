#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/shell/status_window.h"
#include "shell_fixture.h"

namespace hrs::test {
namespace {

QMdiSubWindow* SubOf(QWidget* w) { return qobject_cast<QMdiSubWindow*>(w->parentWidget()); }

TEST(WindowPlaces, TheStatusWindowOpensAtItsDefaultPlace) {
  ShellFixture f;
  f.WriteClub(2);
  ASSERT_TRUE(f.Start());
  EXPECT_EQ(SubOf(f.window->statusWindow())->pos(), QPoint(7, 60));
}

TEST(WindowPlaces, ByUserAWindowComesBackWhereItWasLeftInTheNextRun) {
  ShellFixture f;
  f.WriteClub(2);
  ASSERT_TRUE(f.Start());
  f.window->RunMenuItem("mnu_wsd");
  auto* form = new QWidget;
  form->setObjectName("Query");
  form->resize(200, 100);
  QMdiSubWindow* sub = f.window->context().OpenChild(form);
  sub->move(40, 30);
  sub->close();
  SubOf(f.window->statusWindow())->move(20, 10);
  f.window->close();
  EXPECT_EQ(f.programDir.Read("hrs_k"), "1\r\n\"Query\",600,450\r\n\"Status\",300,150\r\n");

  ASSERT_TRUE(f.Start());
  EXPECT_TRUE(f.window->MenuItem("mnu_wsd")->isChecked());
  EXPECT_EQ(f.window->MenuItem("mnu_wsd")->text(), QStringLiteral("Window arrangement by user"));
  EXPECT_EQ(SubOf(f.window->statusWindow())->pos(), QPoint(20, 10));
  auto* again = new QWidget;
  again->setObjectName("Query");
  EXPECT_EQ(f.window->context().OpenChild(again)->pos(), QPoint(40, 30));
}

TEST(WindowPlaces, ByDefaultPlacesAreNeitherUsedNorTaken) {
  ShellFixture f;
  f.WriteClub(2);
  f.programDir.Write("hrs_k", "0\r\n\"Status\",300,150\r\n");
  ASSERT_TRUE(f.Start());
  EXPECT_EQ(SubOf(f.window->statusWindow())->pos(), QPoint(7, 60));
  auto* form = new QWidget;
  form->setObjectName("dbUtil");
  f.window->context().OpenChild(form, app::ChildPlace::At(1500, 1500))->close();
  f.window->close();
  EXPECT_EQ(f.programDir.Read("hrs_k"), "0\r\n\"Status\",300,150\r\n");
}

TEST(WindowPlaces, AMaximizedWindowIsNotRemembered) {
  ShellFixture f;
  f.WriteClub(2);
  f.programDir.Write("hrs_k", "1\r\n");
  ASSERT_TRUE(f.Start());
  auto* form = new QWidget;
  form->setObjectName("dbTurn");
  QMdiSubWindow* sub = f.window->context().OpenChild(form);
  sub->showMaximized();
  sub->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(f.window->arrangement().PlaceFor("dbTurn"));
}

}  // namespace
}  // namespace hrs::test
