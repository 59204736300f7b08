#pragma once
#include <cstdint>
#include <string>

#include "core/data/database.h"
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
};

}  // namespace hrs::test
