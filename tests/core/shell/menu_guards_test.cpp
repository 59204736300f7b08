#include "core/shell/menu_guards.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"

namespace hrs {
namespace {

Database WithPlayers(int count) {
  Database db;
  db.StartupOk = 1;
  db.players.PlayerCount = count;
  return db;
}

TEST(MenuGuards, WithNoPlayersTheWindowsThatNeedOneRefuse) {
  const Database db = WithPlayers(0);
  for (auto command : {MenuCommand::ControlCentre, MenuCommand::Utilities, MenuCommand::SwissTournament}) {
    test::ScriptedDialogs dialogs;
    EXPECT_FALSE(PassesGuard(command, db, dialogs));
    EXPECT_EQ(dialogs.Beeps(), 1);
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"No players in database"});
  }
  test::ScriptedDialogs dialogs;
  EXPECT_TRUE(PassesGuard(MenuCommand::Setup, db, dialogs));
  EXPECT_TRUE(PassesGuard(MenuCommand::Players, db, dialogs));
  EXPECT_FALSE(PassesGuard(MenuCommand::Print, db, dialogs));
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST(MenuGuards, WithOnePlayerTheWindowsThatNeedTwoRefuseWithTheirOwnWords) {
  const Database db = WithPlayers(1);
  const std::pair<MenuCommand, const char*> cases[] = {
      {MenuCommand::CalculateRatings, "Less than 2 players in database"},
      {MenuCommand::RatingQuery, "Less than 2 players in database"},
      {MenuCommand::SmallTournament, "Less than 2 players in the database"},
  };
  for (const auto& [command, message] : cases) {
    test::ScriptedDialogs dialogs;
    EXPECT_FALSE(PassesGuard(command, db, dialogs));
    EXPECT_EQ(dialogs.Beeps(), 1);
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{message});
  }
  test::ScriptedDialogs dialogs;
  EXPECT_TRUE(PassesGuard(MenuCommand::ControlCentre, db, dialogs));
  EXPECT_TRUE(PassesGuard(MenuCommand::Print, db, dialogs));
  EXPECT_TRUE(PassesGuard(MenuCommand::CalculateRatings, WithPlayers(2), dialogs));
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST(MenuGuards, NothingOpensAfterAFailedStartUp) {
  Database db = WithPlayers(5);
  db.StartupOk = 0;
  test::ScriptedDialogs dialogs;
  for (auto command : {MenuCommand::Setup, MenuCommand::Players, MenuCommand::RatingQuery,
                       MenuCommand::SmallTournament, MenuCommand::Print})
    EXPECT_FALSE(PassesGuard(command, db, dialogs));
  EXPECT_TRUE(dialogs.calls.empty());
}

}  // namespace
}  // namespace hrs
