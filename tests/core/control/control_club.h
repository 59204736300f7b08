#pragma once
#include <string>
#include <vector>

#include "core/control/control_centre_form.h"
#include "core/data/database.h"
#include "core/data/file_io.h"
#include "core/data/transaction_names.h"
#include "support/test_club.h"

namespace hrs::test {

// A club in a temporary folder, rating year 2026, on 8 December 2026, with
// the Control Centre's form.
struct ControlClub : TestClub {
  ControlCentreForm form;

  explicit ControlClub(int players = 0) : TestClub(2026) {
    db.StartupOk = 1;
    for (int i = 1; i <= players; ++i) AddPlayer("Player" + std::to_string(i), 1500 + 10 * i, 10000 + i);
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
