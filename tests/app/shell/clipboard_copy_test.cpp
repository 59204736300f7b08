#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shell_fixture.h"

namespace hrs::test {
namespace {

class ClipboardCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    f.WriteClub(2);
    ASSERT_TRUE(f.Start());
    f.dialogs.Clear();
  }
  // Opens a child window holding the control and gives it the focus.
  void OpenWith(QWidget* control) {
    auto* form = new QWidget;
    form->setObjectName("List");
    auto* layout = new QVBoxLayout(form);
    layout->addWidget(control);
    QMdiSubWindow* sub = f.window->context().OpenChild(form);
    f.window->mdiArea()->setActiveSubWindow(sub);
    control->setFocus();
  }
  QString Clipboard() const { return QGuiApplication::clipboard()->text(); }

  ShellFixture f;
};

TEST_F(ClipboardCopy, TheSelectedLinesOfTheActiveListEachAfterCrLf) {
  auto* list = new QListWidget;
  list->setSelectionMode(QAbstractItemView::MultiSelection);
  list->addItems({"  1 Anders Holm", "  2 Birgit Lund", "  3 Carsten Mos"});
  list->item(0)->setSelected(true);
  list->item(2)->setSelected(true);
  OpenWith(list);
  f.window->RunMenuItem("mnucopc");
  EXPECT_EQ(Clipboard(), QStringLiteral("\r\n  1 Anders Holm\r\n  3 Carsten Mos"));
  EXPECT_EQ(f.dialogs.Messages(), std::vector<std::string>{"Selected lines copied to the ClipBoard"});
  EXPECT_EQ(f.dialogs.Beeps(), 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(list->testAttribute(Qt::WA_SetCursor));

  list->clearSelection();
  f.dialogs.Clear();
  f.window->RunMenuItem("mnucopc");
  EXPECT_EQ(Clipboard(), QString());
  EXPECT_EQ(f.dialogs.Messages(), std::vector<std::string>{"Selected lines copied to the ClipBoard"});
}

TEST_F(ClipboardCopy, AGridBlockGivesEveryRowDownToItsLastWithColumnZeroFirst) {
  auto* grid = new QTableWidget(9, 6);
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 6; ++c) grid->setItem(r, c, new QTableWidgetItem(QStringLiteral("%1.%2").arg(r).arg(c)));
  grid->setRangeSelected(QTableWidgetSelectionRange(5, 3, 6, 4), true);
  OpenWith(grid);
  f.window->RunMenuItem("mnucopc");
  QString expected;
  for (int r = 0; r <= 6; ++r) expected += QStringLiteral("%1.0\t%1.3\t%1.4\r").arg(r);
  EXPECT_EQ(Clipboard(), expected);
  EXPECT_EQ(f.dialogs.Messages(), std::vector<std::string>{"Selected text copied to the ClipBoard"});
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ClipboardCopy, OtherwiseItBeepsAndSaysItCannot) {
  f.window->RunMenuItem("mnucopc");  // the status window is active: no list there
  EXPECT_EQ(f.dialogs.Beeps(), 1);
  EXPECT_EQ(f.dialogs.Messages(), std::vector<std::string>{"Copy to ClipBoard not supported with this data"});
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace hrs::test
