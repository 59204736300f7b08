#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include "app/shell/help_window.h"
#include "shell_fixture.h"
#include "core/shell/window_arrangement.h"

namespace hrs::test {
namespace {

TEST(HelpWindow, FirstChoiceFillsLaterOnesScrollAndTheListCopies) {
  ShellFixture f;
  f.WriteClub(2);
  ASSERT_TRUE(f.Start());
  ASSERT_TRUE(f.window->MenuItem("rmdb", 2)->isEnabled());
  f.window->RunMenuItem("rmdb", 2);
  auto* help = qobject_cast<app::HelpWindow*>(f.window->FindChildWindow("Help"));
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->windowTitle(), QStringLiteral("ReadMe"));
  EXPECT_EQ(help->size(), QSize(TwipsToPixels(8500), TwipsToPixels(5970)));  // opens at its own size, not shrunk
  QListWidget* list = help->findChild<QListWidget*>("List1");
  ASSERT_NE(list, nullptr);
  const int filled = list->count();
  EXPECT_GT(filled, 16 * 5);
  EXPECT_EQ(list->selectedItems().size(), 16);  // every heading
  // At the opening size a heading and the longest body line are read without
  // scrolling sideways; only the separators are wider.
  const QFontMetrics metrics(list->font());
  for (int i = 0; i < filled; ++i) {
    const QString text = list->item(i)->text();
    if (text == QString(144, '-')) continue;
    EXPECT_LE(text.size(), 85) << i;
    EXPECT_LE(metrics.horizontalAdvance(text), list->viewport()->width()) << i;
  }
  // The heading is the top line, or as near the top as the list's end allows.
  auto atTop = [list](const QString& heading) {
    const auto found = list->findItems(heading, Qt::MatchEndsWith);
    if (found.size() != 1) return false;
    const int top = list->row(list->itemAt(1, 1));
    return top == list->row(found[0]) ||
           (top < list->row(found[0]) && list->verticalScrollBar()->value() == list->verticalScrollBar()->maximum());
  };
  f.window->mdiArea()->activeSubWindow()->resize(600, 420);
  QApplication::processEvents();
  f.window->RunMenuItem("rmdb", 2);
  EXPECT_TRUE(atTop("2. Calculation Method"));
  f.window->RunMenuItem("rmdb", 22);
  EXPECT_EQ(list->count(), filled);  // scrolled, not filled again
  EXPECT_TRUE(atTop("16. Program Design"));
  EXPECT_LE(help->width(), TwipsToPixels(8500));

  list->clearSelection();
  list->item(2)->setSelected(true);
  list->setFocus();
  f.window->RunMenuItem("mnucopc");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("\r\n") + list->item(2)->text());
}

// The manual speaks to the club organiser: the installed program and its
// menu entry, never the developers' scripts.
TEST(HelpWindow, TheManualSpeaksOfTheInstalledProgram) {
  QDirIterator chapters(":/manual", QDirIterator::Subdirectories);
  int read = 0;
  while (chapters.hasNext()) {
    QFile chapter(chapters.next());
    if (!chapter.open(QIODevice::ReadOnly)) continue;
    const QString text = QString::fromUtf8(chapter.readAll());
    ++read;
    EXPECT_FALSE(text.contains("scripts/")) << chapter.fileName().toStdString();
    if (chapter.fileName().endsWith("14-how-to.txt")) {
      EXPECT_TRUE(text.contains("\"Halvik Ranking System\""));
    }
  }
  EXPECT_EQ(read, 16);
}

}  // namespace
}  // namespace hrs::test
