#pragma once
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/tournament/local_form.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/temp_dir.h"

namespace hrs::test {

// A club of `players` active players: Sys Id i is "Player" + two digits,
// rated 2000 - 10 i (so Sys Id order is rating order), in a folder of its own.
struct TournamentClub {
  explicit TournamentClub(int players) {
    db.location = dir.Location();
    db.StartupOk = 1;
    for (int id = 1; id <= players; ++id) {
      PlayerRecord& p = db.players[id];
      p.SysId = static_cast<int16_t>(id);
      p.Name = TextField::Of("Player" + std::string(id < 10 ? "0" : "") + std::to_string(id));
      p.Rating = static_cast<int16_t>(2000 - 10 * id);
      p.MbShipNo = 10000 + id;
    }
    db.players.PlayerCount = players;
  }

  // Opens dbLocal and clicks the first `count` players of the selection list.
  void Select(int count) {
    LocalFormLoad(form, t, db, dialogs);
    for (int i = 0; i < count; ++i) SelectionListClick(form, i, dialogs);
  }
  // Selects, groups (answering `groups` when asked) and makes the match
  // program, answering No to the sanctioned and the 2-1 questions.
  void MatchProgram(int count, const std::string& groups = "") {
    Select(count);
    if (!groups.empty()) dialogs.InputAnswer(groups);
    ltmnu_grupClick(form, t, db, dialogs, random);
    dialogs.Answer(Answer::Ok);
    dialogs.Answer(Answer::No);
    if (Members(1).size() != Members(form.groupCount > 0 ? form.groupCount : 1).size()) dialogs.Answer(Answer::No);
    ltmnu_matchClick(form, t, db, dialogs, clock);
  }
  std::vector<int> Members(int group) const {
    return form.members[static_cast<size_t>(group)];
  }

  TempDir dir;
  Database db;
  ScriptedDialogs dialogs;
  ScriptedRandom random;
  FixedClock clock;
  LocalForm form;
  SmallTournament t;
};

}  // namespace hrs::test
