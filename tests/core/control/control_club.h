#pragma once
#include <string>
#include <vector>

#include "core/control/control_centre_form.h"
#include "core/data/database.h"
#include "core/data/file_io.h"
#include "core/data/transaction_names.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs::test {

// A club in a temporary folder, rating year 2026, on 8 December 2026, with
// the Control Centre's form.
struct ControlClub {
  TempDir dir;
  Database db;
  FixedClock clock;
  ScriptedDialogs dialogs;
  ControlCentreForm form;

  explicit ControlClub(int players = 0) {
    db.location = dir.Location();
    db.setup = SetupRecord::Created(2026);
    db.StartupOk = 1;
    for (int i = 1; i <= players; ++i) AddPlayer("Player" + std::to_string(i), 1500 + 10 * i, 10000 + i);
  }

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

  void Registry(const std::vector<std::string>& names) {
    std::string bytes;
    for (const auto& n : names) bytes += "\"" + n + "\"\r\n";
    dir.Write(RegistryFileName(2026), bytes);
  }
  // A validated tournament file dated `date` with one duel per pair of ids.
  void Tournament(const std::string& name, const std::string& date, const std::vector<std::string>& duels) {
    std::string bytes = "\"kontrol\"\r\n\"" + date + "\"\r\n";
    for (const auto& d : duels) bytes += d + "\r\n";
    dir.Write(name, bytes);
  }
  std::string MonthFile(int month) const { return dir.Read(MonthFileName(2026, month)); }
};

}  // namespace hrs::test
