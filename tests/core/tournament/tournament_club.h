#pragma once
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/tournament/local_form.h"
#include "support/scripted_random.h"
#include "support/test_club.h"

namespace hrs::test {

// A club of `players` active players: Sys Id i is "Player" + two digits,
// rated 2000 - 10 i (so Sys Id order is rating order), in a folder of its own.
struct TournamentClub : TestClub {
  explicit TournamentClub(int players) {
    db.StartupOk = 1;
    for (int id = 1; id <= players; ++id)
      AddPlayer("Player" + std::string(id < 10 ? "0" : "") + std::to_string(id), 2000 - 10 * id, 10000 + id);
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

  ScriptedRandom random;
  LocalForm form;
  SmallTournament t;
};

}  // namespace hrs::test
