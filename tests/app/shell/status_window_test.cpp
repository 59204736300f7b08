#include <gtest/gtest.h>

#include <QFontInfo>

#include "app/shell/picture_box.h"
#include "app/shell/status_window.h"
#include "core/data/setup_file.h"
#include "shell_fixture.h"

namespace hrs::test {
namespace {

QStringList Lines(const app::PictureBox* box) { return box->Lines(); }

TEST(StatusWindow, ShowsTheDirectoryAndTheSummaryLinesExactly) {
  ShellFixture f;
  f.WriteClub(3);
  ASSERT_TRUE(f.Start());
  app::StatusWindow* status = f.window->statusWindow();
  EXPECT_EQ(status->objectName(), QStringLiteral("Status"));
  EXPECT_EQ(status->windowTitle(), QStringLiteral("Status"));
  EXPECT_EQ(Lines(status->summaryArea()), (QStringList{"",
                                                       " Ranking List:",
                                                       "  The Best Ranking List",
                                                       "",
                                                       " Players:",
                                                       "  Maximum        1998",
                                                       "  Active            3",
                                                       "",
                                                       " Rating:",
                                                       "  Year           2026"}));
  EXPECT_EQ(status->summaryArea()->font().family(), QStringLiteral("Courier"));
  EXPECT_EQ(status->summaryArea()->font().pointSize(), 10);

  Database& db = f.window->database();
  db.AverageRating = 1623;
  db.setup.LatestCount = 4711;
  f.window->RefreshStatus();
  const QStringList lines = Lines(status->summaryArea());
  ASSERT_EQ(lines.size(), 12);
  EXPECT_EQ(lines[10], QStringLiteral("  Average        1623"));
  EXPECT_EQ(lines[11], QStringLiteral("  Latest count   4711 duels"));
}

TEST(StatusWindow, ALongDirectoryShowsItsLastCharacters) {
  ShellFixture f;
  const std::filesystem::path deep = f.data.path() / "a-rather-long-folder-name-for-the-club-data";
  std::filesystem::create_directories(deep);
  const std::string dir = deep.string();
  ASSERT_GT(dir.size(), 45u);
  f.dialogs.Answer(Answer::Ok);
  app::StartupPaths paths = f.Paths();
  paths.location.dataDir = deep;
  ASSERT_TRUE(f.NewWindow().Start(paths));
  app::StatusWindow* status = f.window->statusWindow();
  EXPECT_EQ(Lines(status->directoryArea()), QStringList{QString::fromStdString(dir.substr(dir.size() - 45))});
  f.window->RefreshStatus();
  EXPECT_EQ(Lines(status->directoryArea()), QStringList{QString::fromStdString(dir.substr(dir.size() - 42))});
}

TEST(StatusWindow, ComesBackWhenAWorkingWindowClosesAfterItWasHidden) {
  ShellFixture f;
  f.WriteClub(2);
  ASSERT_TRUE(f.Start());
  f.window->HideStatus();
  EXPECT_FALSE(f.window->statusWindow()->isVisible());
  f.window->database().players.ActiveCount = 1;
  f.window->context().RefreshStatus();
  EXPECT_TRUE(f.window->statusWindow()->isVisible());
  EXPECT_EQ(Lines(f.window->statusWindow()->summaryArea())[6], QStringLiteral("  Active            1"));
}

}  // namespace
}  // namespace hrs::test
