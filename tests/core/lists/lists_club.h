#pragma once
#include <string>

#include "core/data/database.h"
#include "core/data/player_file.h"
#include "core/platform/recorded_print_job.h"
#include "support/test_club.h"

namespace hrs::test {

// A club for the lists: rating year 2026, today 8 December 2026 unless a
// test moves the clock, data in a folder of its own.
struct ListsClub : TestClub {
  RecordedPrintJob job;

  ListsClub() : TestClub(2026) {
    db.setup.ListName = TextField::Of("Halvik Club");
    db.setup.MinAdjustments = 0;
    db.StartupOk = 1;
  }

  int Add(const std::string& name, int rating, int won = 0, int drawn = 0, int lost = 0, int status = StatusActive,
          int membership = NoMembership) {
    const int id = AddPlayer(name, rating, membership, status);
    PlayerRecord& p = db.players[id];
    p.Won = static_cast<int16_t>(won);
    p.Drawn = static_cast<int16_t>(drawn);
    p.Lost = static_cast<int16_t>(lost);
    return id;
  }
  PlayerRecord& operator[](int id) { return db.players[id]; }
  // Sets the month-end ratings of a player from January on.
  void History(int id, std::initializer_list<int> months) {
    int m = 1;
    for (int v : months) db.stats.At(id, 1 + m++) = static_cast<int16_t>(v);
  }
};

}  // namespace hrs::test
