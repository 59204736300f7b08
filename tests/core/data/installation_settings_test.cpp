#include "core/data/installation_settings.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

namespace fs = std::filesystem;

TEST(InstallationSettings, DefaultsKeepTheDataInTheCurrentDirectory) {
  test::TempDir dir;
  auto s = LoadInstallationSettings(InstallationFileCandidates(dir.path() / "config", dir.path() / "bin"), "/home/club");
  EXPECT_FALSE(s.dataInQtpDir);
  EXPECT_EQ(s.qtpDir, fs::path("/home/club/qtpwin"));
  EXPECT_TRUE(s.source.empty());
  const auto where = LocateData(dir.path(), s);
  EXPECT_EQ(where.DataDir(), dir.path());
  EXPECT_EQ(where.QtpPath("fast.dat"), fs::path("/home/club/qtpwin/fast.dat"));
  EXPECT_TRUE(s.problems.empty());
}

TEST(InstallationSettings, SwitchedOnTheDataLivesInQtpDir) {
  test::TempDir dir;
  fs::create_directories(dir.path() / "bin");
  fs::create_directories(dir.path() / "qtp");
  dir.Write("bin/hrs.ini", "\"DataInQtpDir\",1\r\n\"QtpDir\",\"" + (dir.path() / "qtp").string() + "\"\r\n");
  auto s = LoadInstallationSettings(InstallationFileCandidates(dir.path() / "config", dir.path() / "bin"), "/home/club");
  EXPECT_EQ(s.source, dir.path() / "bin" / "hrs.ini");
  const auto where = LocateData("/somewhere", s);
  EXPECT_TRUE(s.problems.empty());
  EXPECT_EQ(where.DataPath("player.hrs"), dir.path() / "qtp" / "player.hrs");
}

TEST(InstallationSettings, PerUserFileComesFirstAndPathsExpand) {
  test::TempDir dir;
  fs::create_directories(dir.path() / "config" / "hrs");
  fs::create_directories(dir.path() / "bin");
  dir.Write("config/hrs/hrs.ini", "datainqtpdir,0\r\nqtpdir,\"~/companion\"\r\n");
  dir.Write("bin/hrs.ini", "\"DataInQtpDir\",1\r\n");
  auto s = LoadInstallationSettings(InstallationFileCandidates(dir.path() / "config", dir.path() / "bin"), "/home/club");
  EXPECT_FALSE(s.dataInQtpDir);
  EXPECT_EQ(s.qtpDir, fs::path("/home/club/companion"));
  EXPECT_EQ(ParseInstallationSettings("\"QtpDir\",\"qtp\"\r\n", "/opt/hrs", "/home/club").qtpDir,
            fs::path("/opt/hrs/qtp"));
}

TEST(InstallationSettings, UnusableLinesAreNamedAndChangeNothing) {
  auto s = ParseInstallationSettings("\"DataInQtpDir\",yes\r\n\r\n\"QtpDir\"\r\n\"Future\",3\r\n", "/opt", "/home/club");
  EXPECT_FALSE(s.dataInQtpDir);
  EXPECT_EQ(s.qtpDir, fs::path("/home/club/qtpwin"));
  EXPECT_EQ(s.problems, (std::vector<std::string>{"line 1: DataInQtpDir must be 0 or 1",
                                                  "line 3: a name and one value are expected"}));

  // The operator is told them in one warning, and of nothing when all is well.
  s.source = "/opt/hrs.ini";
  test::ScriptedDialogs dialogs;
  TellInstallationProblems(s, dialogs);
  TellInstallationProblems(ParseInstallationSettings("\"DataInQtpDir\",0\r\n", "/opt", "/home/club"), dialogs);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "The installation settings in /opt/hrs.ini could not all be used:\r"
                                   "\rline 1: DataInQtpDir must be 0 or 1\rline 3: a name and one value are expected");
  EXPECT_EQ(dialogs.calls[0].icon, Icon::Warning);
}

TEST(InstallationSettings, AMissingDataDirectoryIsAProblem) {
  test::TempDir dir;
  dir.Write("hrs.ini", "\"DataInQtpDir\",1\r\n\"QtpDir\",\"/no/such/dir\"\r\n");
  const auto missing = LoadInstallationSettings({dir.path() / "hrs.ini"}, "/home/club");
  ASSERT_EQ(missing.problems.size(), 1u);
  EXPECT_NE(missing.problems[0].find("/no/such/dir"), std::string::npos);
}

TEST(InstallationSettings, DriveAIsAFolderOfItsOwn) {
  const auto defaults = ParseInstallationSettings("", "/etc/hrs", "/home/club");
  EXPECT_EQ(LocateData("/data", defaults).DriveAPath("TRP_LT261209.TXT"),
            fs::path("/home/club/hrs-diskette/TRP_LT261209.TXT"));
  EXPECT_EQ(ParseInstallationSettings("\"DriveA\",\"~/floppy\"\r\n", "/etc/hrs", "/home/club").driveA,
            fs::path("/home/club/floppy"));
  EXPECT_EQ(ParseInstallationSettings("drivea,\"disk\"\r\n", "/etc/hrs", "/home/club").driveA, fs::path("/etc/hrs/disk"));
  EXPECT_EQ(ParseInstallationSettings("\"DriveA\",\"\"\r\n", "/etc/hrs", "/home/club").problems.size(), 1u);
}

}  // namespace
}  // namespace hrs
