#include <gtest/gtest.h>

#include <QApplication>
#include <QLockFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageLayout>
#include <sys/wait.h>
#include <unistd.h>

#include "app/shell/form_registry.h"
#include "app/shell/picture_box.h"
#include "app/shell/status_window.h"
#include "core/data/data_lock.h"
#include "shell_fixture.h"

namespace hrs::test {
namespace {

const std::string Welcome = "Welcome to Halvik Ranking System\r\rPlease confirm Setup Creation";
const std::string NoPlayerFile = "Database of players not found\r\rPlease confirm Player Database Creation";
const std::string NoStatFile = "File of rating statistics not found\r\rPlease confirm file creation";

TEST(Startup, AnEmptyFolderAsksTheThreeCreationQuestionsAndRunsWithNoPlayers) {
  ShellFixture f;
  ASSERT_TRUE(f.Start());
  EXPECT_EQ(f.dialogs.Messages(), (std::vector<std::string>{Welcome, NoPlayerFile, NoStatFile}));
  for (const auto& call : f.dialogs.MessageCalls()) {
    EXPECT_EQ(call.buttons, Buttons::OkCancel);
    EXPECT_EQ(call.icon, Icon::Question);
  }
  EXPECT_EQ(f.window->database().StartupOk, 1);
  EXPECT_EQ(f.window->database().players.PlayerCount, 0);
  EXPECT_TRUE(f.window->isVisible());
  EXPECT_TRUE(f.window->statusWindow()->isVisible());
  // The player and statistics files wait for the first player.
  EXPECT_EQ(f.data.Files(), std::vector<std::string>{"rfast.hrs"});

  f.dialogs.Clear();
  f.window->RunMenuItem("mnukey");
  EXPECT_EQ(f.dialogs.Beeps(), 1);
  EXPECT_EQ(f.dialogs.Messages(), std::vector<std::string>{"No players in database"});
  EXPECT_EQ(f.window->mdiArea()->subWindowList().size(), 1);
}

TEST(Startup, CancelAtAnyCreationQuestionEndsWithoutWritingTheRefusedFiles) {
  const std::vector<std::string> writtenBefore[] = {{}, {"rfast.hrs"}, {"rfast.hrs"}};
  for (int refused = 0; refused < 3; ++refused) {
    ShellFixture f;
    for (int i = 0; i < refused; ++i) f.dialogs.Answer(Answer::Ok);
    f.dialogs.Answer(Answer::Cancel);
    EXPECT_FALSE(f.Start()) << refused;
    EXPECT_EQ(f.dialogs.Messages().size(), static_cast<size_t>(refused + 1));
    EXPECT_EQ(f.data.Files(), writtenBefore[refused]) << refused;
    EXPECT_EQ(f.window->database().StartupOk, 0);
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_EQ(f.window->statusWindow(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // No working window opens after a failed start.
    f.window->RunMenuItem("mnusetup");
    EXPECT_TRUE(f.window->mdiArea()->subWindowList().isEmpty());
  }
}

TEST(Startup, AnOldRatingYearIsNoticedOnce) {
  ShellFixture f;
  f.WriteClub(3, 2025);
  ASSERT_TRUE(f.Start());
  const auto calls = f.dialogs.MessageCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].title, "Old rating year");
  EXPECT_EQ(calls[0].icon, Icon::Information);
  EXPECT_EQ(calls[0].text,
            "Please note that the system rating year\rdiffers from the calendar year. It is quite\r"
            "all right to add results from last calendar\ryear and to enter results for the new year.\r"
            "Please run Calculate Ratings followed by\r"
            "New Year Conversion when you are finished with last year.");
  EXPECT_EQ(f.dialogs.Beeps(), 1);
}

TEST(Startup, ARunningCopyKeepsASecondOneFromStartingAndItsArrangementIsKept) {
  ShellFixture f;
  f.WriteClub(2);
  f.programDir.Write("hrs_k", "1\r\n\"Status\",300,450\r\n");
  QLockFile running(f.Paths().lockFile);
  ASSERT_TRUE(running.tryLock(0));
  EXPECT_FALSE(f.Start());
  EXPECT_EQ(f.dialogs.Messages(), std::vector<std::string>{"This application is running already!"});
  EXPECT_EQ(f.dialogs.Beeps(), 1);
  EXPECT_FALSE(f.window->isVisible());
  EXPECT_EQ(f.programDir.Read("hrs_k"), "1\r\n\"Status\",300,450\r\n");
}

TEST(Startup, DataHeldByACommandLineRunAreNotOpened) {
  ShellFixture f;
  f.WriteClub(2);
  DataLock cli;
  ASSERT_EQ(cli.Take(f.Paths().location.DataDir()), DataLock::Result::Taken);
  EXPECT_FALSE(f.Start());
  ASSERT_EQ(f.dialogs.MessageCalls().size(), 1u);
  EXPECT_NE(f.dialogs.MessageCalls()[0].text.find("are in use by another program"), std::string::npos);
  EXPECT_EQ(f.dialogs.MessageCalls()[0].icon, Icon::Critical);
}

TEST(Startup, ALockLeftByACrashedCopyDoesNotBlock) {
  ShellFixture f;
  f.WriteClub(2);
  // A lock file as a copy leaves it when it dies: its process is gone.
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ::waitpid(child, nullptr, 0);
  {
    QLockFile probe(QString::fromStdString((f.programDir.path() / "probe.lock").string()));
    ASSERT_TRUE(probe.tryLock(0));
    std::string content = f.programDir.Read("probe.lock");
    content = std::to_string(child) + content.substr(content.find('\n'));
    f.programDir.Write("hrs.lock", content);
  }
  EXPECT_TRUE(f.Start());
  EXPECT_TRUE(f.dialogs.Messages().empty());
}

TEST(Startup, TitleStatusAndPrinterAreSetAtTheEnd) {
  ShellFixture f;
  f.WriteClub(2);
  f.printer.setPageOrientation(QPageLayout::Landscape);
  ASSERT_TRUE(f.Start());
  EXPECT_EQ(f.window->windowTitle(),
            QStringLiteral("Halvik Ranking System 1.24") + QString(50, QLatin1Char(' ')) + QStringLiteral("2026-12-08"));
  EXPECT_EQ(f.printer.pageLayout().orientation(), QPageLayout::Portrait);
  EXPECT_TRUE(f.dialogs.calls.empty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Startup, ExitSavesTheStatisticsAndTheArrangementAndRestoresTheCursor) {
  ShellFixture f;
  f.WriteClub(2);
  ASSERT_TRUE(f.Start());
  f.window->database().stats.At(2, 5) = 1712;
  f.window->RunMenuItem("mnu_wsd");
  f.window->RunMenuItem("mnuexit");
  EXPECT_FALSE(f.window->isVisible());
  EXPECT_EQ(f.data.Read("ratstat.hrs"),
            "1600,0,0,0,0,0,0,0,0,0,0,0,0\r\n1600,0,0,0,1712,0,0,0,0,0,0,0,0\r\n");
  EXPECT_EQ(f.programDir.Read("hrs_k"), "1\r\n\"Status\",105,900\r\n");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  // The lock goes with the program.
  QLockFile next(f.Paths().lockFile);
  EXPECT_TRUE(next.tryLock(0));
}

}  // namespace
}  // namespace hrs::test
