#pragma once
#include "core/control/control_club.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"
#include "core/utilities/util_form.h"

namespace hrs::test {

// A saved club for the utilities (rating year 2026, 8 December 2026):
// 1 Anna (membership 561234), 2 Bert, 3 Cleo (no membership), 4 Dora deleted.
struct UtilClub : ControlClub {
  UtilForm form;

  UtilClub() {
    AddPlayer("Anna", 1610, 561234);
    AddPlayer("bert", 1520, 10002);
    AddPlayer("Cleo", 1480);
    AddPlayer("Dora", 1400, 10004, StatusDeleted);
    SaveAll();
  }
  void Month(int month, const std::string& lines) { dir.Write(MonthFileName(2026, month), lines); }
};

}  // namespace hrs::test
