#pragma once
#include <string>
#include <vector>

#include "core/tournament/local2_form.h"
#include "core/tournament/playoff.h"
#include "tournament_club.h"

namespace hrs::test {

// A tournament of `players` in groups by rating with every round-robin match
// won 2-0 by the lower Sys Id (so the qualification order is plain), in
// dbLocal2.
struct PlayoffClub : TournamentClub {
  explicit PlayoffClub(int players = 8) : TournamentClub(players) {
    MatchProgram(players);
    for (int r = 1; r <= t.matches.Rounds(); ++r)
      for (int tb = 1; tb <= t.matches.Tables(); ++tb) {
        if (!t.matches.IsMatch(r, tb)) continue;
        const bool firstWins = t.matches.At(r, tb, MfFirst) < t.matches.At(r, tb, MfSecond);
        t.matches.At(r, tb, firstWins ? MfFirstWon : MfSecondWon) = 2;
      }
    Local2FormLoad(l2, t, db, dialogs);
    dialogs.Clear();
    random.seedings = 0;
  }
  // Stars the first `stars` lines of the qualification view (4: group 1).
  void Qualify(int stars) {
    lt2mnu_poClick(l2, t, db, dialogs);
    for (int i = 0; i < stars; ++i) List1DblClick(l2, i);
  }
  // Qualification, pairing of `size` (the stars on the first lines) and "&Pair ".
  void Pair(int size, bool randomly = false) {
    Qualify(size);
    dialogs.InputAnswer(std::to_string(size));
    lt2mnu_pairClick(l2, t, db, dialogs);
    l2.Check1.value = randomly;
    Command3Click(l2, t, db, dialogs, random);
  }
  // A playoff result through the fields and "&Enter".
  void Enter(const std::string& match, const std::string& a, const std::string& b) {
    l2.Text1.text = match;
    l2.Text2.text = a;
    l2.Text3.text = b;
    Command1Click(l2, t, db, dialogs);
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> out;
    for (const auto& item : l2.List1.lines) out.push_back(item.line);
    return out;
  }
  int Bracket(int row, int column) const { return t.playoff.At(row, column); }

  Local2Form l2;
};

}  // namespace hrs::test
