#include "core/data/player_file.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

std::string Line(int sysId, const std::string& name, int mbship, int status = 0) {
  PlayerRecord p;
  p.SysId = static_cast<int16_t>(sysId);
  p.Name = TextField::Of(name);
  p.Info = TextField::Of("");
  p.MbShipNo = mbship;
  p.StartRating = p.Rating = 1600;
  p.Status = static_cast<int16_t>(status);
  return PlayerLine(p);
}

TEST(PlayerFile, NewPlayerLineIsByteExact) {
  PlayerRecord p;
  p.SysId = 1;
  p.Name = TextField::Of("Ann Berg");
  p.Info = TextField::Of("Tuesday group");
  p.MbShipNo = 123456;
  p.StartRating = p.Rating = 1600;
  EXPECT_EQ(PlayerLine(p), "1,\"Ann Berg\",\"Tuesday group\",123456,1600,1600,0,0,0,0,0,\r\n");
  p.CarriedCounts = TextField::Zero();
  EXPECT_EQ(PlayerLine(p), "1,\"Ann Berg\",\"Tuesday group\",123456,1600,1600,0,0,0,0,0,0\r\n");
}

TEST(PlayerFile, LoadingRulesForSysIdAndMembershipNumber) {
  std::string bytes;
  for (int i = 1; i <= 4; ++i) bytes += Line(i, "P" + std::to_string(i), 20000 + i);
  bytes += "0,\"Fifth\",\"\",12345,1600,1600,0,0,0,0,0,\r\n";
  bytes += Line(6, "Six", 9999);
  bytes += Line(7, "Seven", 10000);
  bytes += "8,\"Eight\",\"\",,1600,1600,0,0,0,0,0,\r\n";
  PlayerTable t;
  ASSERT_EQ(ParsePlayerFile(bytes, t), PlayerParse::Ok);
  EXPECT_EQ(t.PlayerCount, 8);
  EXPECT_EQ(t[5].SysId, 5);
  EXPECT_EQ(t[6].MbShipNo, NoMembership);
  EXPECT_EQ(t[7].MbShipNo, 10000);
  EXPECT_EQ(t[8].MbShipNo, NoMembership);
}

TEST(PlayerFile, OnlyStatusZeroIsActiveAndTrailingVoidRecordsAreKept) {
  std::string bytes = Line(1, "A", 20001) + Line(2, "B", 20002, StatusDeleted) + Line(3, " ", 0, StatusVoid);
  PlayerTable t;
  ASSERT_EQ(ParsePlayerFile(bytes, t), PlayerParse::Ok);
  EXPECT_EQ(t.PlayerCount, 3);
  EXPECT_EQ(t.ActiveCount, 1);
  // The void record's membership number 0 loads as none, so the saved line differs only there.
  EXPECT_EQ(PlayerFileBytes(t), Line(1, "A", 20001) + Line(2, "B", 20002, StatusDeleted) +
                                    Line(3, " ", NoMembership, StatusVoid));
}

TEST(PlayerFile, QuirkyInputsLoad) {
  // LF only, quoted numbers, trailing spaces, a comma in a quoted name, no final line break.
  const std::string bytes =
      "1,\"Berg, Ann\",\"\",\"20001\",1600 ,1650,0,0,1,0,2,\n"
      "2,\"Dahl, Bo\",,20002,1600,1580,0,0,0,0,1,\"0012001 0003\"";
  PlayerTable t;
  ASSERT_EQ(ParsePlayerFile(bytes, t), PlayerParse::Ok);
  ASSERT_EQ(t.PlayerCount, 2);
  EXPECT_EQ(t[1].Name.str(), "Berg, Ann");
  EXPECT_EQ(t[1].MbShipNo, 20001);
  EXPECT_EQ(t[1].Rating, 1650);
  EXPECT_EQ(t[2].Info.kind, TextField::Kind::Unset);
  EXPECT_EQ(t[2].CarriedCounts.str(), "0012001 0003");
  EXPECT_EQ(PlayerLine(t[2]), "2,\"Dahl, Bo\",,20002,1600,1580,0,0,0,0,1,\"0012001 0003\"\r\n");
}

TEST(PlayerFile, MalformedLinesAreDetected) {
  PlayerTable t;
  EXPECT_EQ(ParsePlayerFile(Line(1, "A", 20001) + "2,\"B\",\"\",20002,x,1600,0,0,0,0,0,\r\n", t),
            PlayerParse::Malformed);
  EXPECT_EQ(t.PlayerCount, 0);
  // Eleven values on a line: the record would run into the next line.
  EXPECT_EQ(ParsePlayerFile("1,\"A\",\"\",20001,1600,1600,0,0,0,0,0\r\n" + Line(2, "B", 20002), t),
            PlayerParse::Malformed);
  // An unquoted name with a comma gives thirteen values.
  EXPECT_EQ(ParsePlayerFile("1,Berg, Ann,\"\",20001,1600,1600,0,0,0,0,0,\r\n", t), PlayerParse::Malformed);
}

TEST(PlayerFile, ExactlyCapacityLoadsAndOneMoreIsRefused) {
  std::string bytes;
  for (int i = 1; i <= PlayerCapacity; ++i) bytes += Line(i, "P", 20000 + i);
  PlayerTable t;
  ASSERT_EQ(ParsePlayerFile(bytes, t), PlayerParse::Ok);
  EXPECT_EQ(t.PlayerCount, PlayerCapacity);
  EXPECT_EQ(ParsePlayerFile(bytes + Line(1999, "Q", 30000), t), PlayerParse::TooMany);
}

TEST(LoadPlayers, TooManyPlayersStopsWithAMessageAndWritesNothing) {
  TempDir dir;
  std::string bytes;
  for (int i = 1; i <= PlayerCapacity + 1; ++i) bytes += Line(i, "P", 20000 + i);
  dir.Write("player.hrs", bytes);
  ScriptedDialogs dialogs;
  PlayerTable t;
  EXPECT_FALSE(LoadPlayers(dir.Location(), t, dialogs));
  ASSERT_EQ(dialogs.MessageCalls().size(), 1u);
  EXPECT_EQ(dialogs.MessageCalls()[0].icon, Icon::Critical);
  EXPECT_EQ(dir.Files(), std::vector<std::string>{"player.hrs"});
  EXPECT_EQ(dir.Read("player.hrs"), bytes);
}

TEST(LoadPlayers, MissingFileAsksCreation) {
  TempDir dir;
  ScriptedDialogs dialogs;
  PlayerTable t;
  EXPECT_TRUE(LoadPlayers(dir.Location(), t, dialogs));
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"Database of players not found\r\rPlease confirm Player Database Creation"});
  EXPECT_EQ(t.PlayerCount, 0);
  dialogs.Answer(Answer::Cancel);
  EXPECT_FALSE(LoadPlayers(dir.Location(), t, dialogs));
  EXPECT_TRUE(dir.Files().empty());
}

TEST(LoadPlayers, EmptyFileAsksIfNoPlayersIsCorrect) {
  TempDir dir;
  dir.Write("player.hrs", "");
  ScriptedDialogs dialogs;
  PlayerTable t;
  EXPECT_TRUE(LoadPlayers(dir.Location(), t, dialogs));
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"No players in the database\r\rPlease confirm if this is correct"});
  EXPECT_EQ(dialogs.MessageCalls()[0].buttons, Buttons::OkCancel);
  dialogs.Answer(Answer::Cancel);
  EXPECT_FALSE(LoadPlayers(dir.Location(), t, dialogs));
  EXPECT_FALSE(dir.Exists("player.hrs.damaged"));
}

TEST(LoadPlayers, DamagedFileAcceptedAsEmptyIsKeptBeforeAnythingReplacesIt) {
  TempDir dir;
  const std::string damaged = Line(1, "A", 20001) + "2,\"B\",oops\r\n";
  dir.Write("player.hrs", damaged);
  ScriptedDialogs dialogs;
  PlayerTable t;
  EXPECT_TRUE(LoadPlayers(dir.Location(), t, dialogs));
  EXPECT_EQ(t.PlayerCount, 0);
  EXPECT_EQ(dir.Read("player.hrs.damaged"), damaged);
}

TEST(SavePlayers, WritesExactlyPlayerCountLines) {
  TempDir dir;
  PlayerTable t;
  t.PlayerCount = 2;
  t[1].SysId = 1;
  t[1].Name = TextField::Of("A \"quoted\" name");
  t[2].SysId = 2;
  t[2].Status = StatusVoid;
  t[2].Name = TextField::Of(" ");
  ASSERT_FALSE(SavePlayers(dir.Location(), t));
  EXPECT_EQ(dir.Read("player.hrs"),
            "1,\"A 'quoted' name\",,0,0,0,0,0,0,0,0,\r\n2,\" \",,0,0,0,77,0,0,0,0,\r\n");
}

TEST(SavePlayers, FailedWriteIsReportedAndOldFileStays) {
  TempDir dir;
  dir.Write("player.hrs", "old");
  std::filesystem::create_directory(dir.path() / "sub");
  DataLocation where = dir.Location();
  where.dataDir = dir.path() / "missing-folder";
  PlayerTable t;
  t.PlayerCount = 1;
  EXPECT_TRUE(SavePlayers(where, t).has_value());
  EXPECT_EQ(dir.Read("player.hrs"), "old");
}

}  // namespace
}  // namespace hrs
