#include "app/shell/busy_cursor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <stdexcept>

namespace hrs::app {
namespace {

TEST(BusyCursor, TheNormalCursorComesBackOnEveryWayOut) {
  QWidget window;
  window.setCursor(Qt::IBeamCursor);
  QWidget plain;
  try {
    BusyCursor outer(&window);
    BusyCursor inner(&plain);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);
    throw std::runtime_error("file pass failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(window.cursor().shape(), Qt::IBeamCursor);
  EXPECT_EQ(plain.cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace hrs::app
