#pragma once
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/data/database.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs::test {

// A club in a temporary folder of its own with a new setup of `ratingYear`,
// the fixed clock and the scripted dialogs: what every club of the tests is
// built on.
struct TestClub {
  TempDir dir;
  Database db;
  FixedClock clock;
  ScriptedDialogs dialogs;

  TestClub() { db.location = dir.Location(); }  // the setup as a new record holds it
  explicit TestClub(int ratingYear) : TestClub() { db.setup = SetupRecord::Created(ratingYear); }

  // The next Sys Id: starts and stays at `rating`, no results yet.
  int AddPlayer(const std::string& name, int rating, int membership = NoMembership, int status = StatusActive) {
    const int id = ++db.players.PlayerCount;
    PlayerRecord& p = db.players[id];
    p.SysId = static_cast<int16_t>(id);
    p.Name = TextField::Of(name);
    p.Info = TextField::Of("");
    p.MbShipNo = membership;
    p.StartRating = p.Rating = static_cast<int16_t>(rating);
    p.Status = static_cast<int16_t>(status);
    db.players.ActiveCount = db.players.CountActive();
    return id;
  }

  // Writes the setup, player and statistics files of `db`; a failure fails the test.
  void SaveAll() {
    EXPECT_FALSE(SaveSetup(db.location, db.setup));
    EXPECT_FALSE(SavePlayers(db.location, db.players));
    EXPECT_FALSE(SaveRatingStatistics(db.location, db.stats, db.players.PlayerCount));
  }
};

}  // namespace hrs::test
