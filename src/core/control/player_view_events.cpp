#include "core/control/control_centre_form.h"
#include "core/control/player_views.h"
#include "core/rating/calc_ranking.h"

namespace hrs {

namespace {

using Lines = std::vector<SortedList::Item> (*)(const PlayerTable&);

void ShowView(ControlCentreForm& form, const Database& db, Dialogs& dialogs, int view, Lines lines,
              const std::string& header) {
  form.List1.enabled = false;
  form.List2.enabled = false;
  form.List1.Clear();
  form.Label7.visible = false;
  form.Label8.visible = false;
  if (view <= 2 && form.Check1.value) Check1Click(form, db, dialogs, false);
  if (view >= 2 && db.players.PlayerCount == 0) {
    dialogs.Message(NoPlayersEnrolled);
    return;
  }
  form.List1.lines = lines(db.players);
  form.ListView = view;
  form.List1.enabled = true;
  if (view >= 2 && !form.List1.lines.empty()) {
    form.List1.selected = {0};
    form.List1.listIndex = 0;
  }
  form.Label8.caption = header;
  form.Label8.visible = true;
}

}  // namespace

void Command5Click(ControlCentreForm& form, const Database& db, Dialogs& dialogs) {
  ShowView(form, db, dialogs, 1, PlayersBySysId, PlayersBySysIdHeader());
}
void Command6Click(ControlCentreForm& form, const Database& db, Dialogs& dialogs) {
  ShowView(form, db, dialogs, 2, PlayersByMembership, PlayersByMembershipHeader());
}
void Command7Click(ControlCentreForm& form, const Database& db, Dialogs& dialogs) {
  ShowView(form, db, dialogs, 3, PlayersByName, PlayersByNameHeader());
}
void Command8Click(ControlCentreForm& form, const Database& db, Dialogs& dialogs) {
  ShowView(form, db, dialogs, 4, PlayersByRanking, PlayersByRankingHeader());
}

}  // namespace hrs
