#pragma once
#include <string>

#include "core/data/database.h"
#include "core/platform/dialogs.h"
#include "core/shell/form_controls.h"
#include "core/tournament/tournament_tables.h"

namespace hrs {

// The operation window dbLocal2: the round-robin list with its result
// entry, the standings and the group view.
struct Local2Form {
  TextBox Text1;  // the match number
  TextBox Text2;  // duels won by the first player
  TextBox Text3;  // duels won by the second player
  Label Label3{"Match"};
  Label Label4{"Result"};
  Button Command1{"&Enter"};
  Button Command2{"E&xit"};
  Button Command3{"&Pair ", true, false};
  Button Check1{"&Randomly", true, false};
  Button Check2{"2-1 &victory in smaller groups", true, false};
  ListBox List1;
  Label Label1;  // the text area
  Label Label2;  // the column caption
  std::string captionFont = "Courier New";

  enum class View { RoundRobin, Standings, Groups, Other };
  View view = View::RoundRobin;
  bool qualificationMode = false;
  bool playoffMode = false;

  std::string focus;   // "Text1": the window moves the focus there
  bool close = false;  // the window closes (dbLocal comes back)
};

inline constexpr const char* RoundRobinCaption = "From left: Result - Match - Round - Opponents";
std::string RoundRobinHelpText();

// Opening: Check2 takes the header's option (triggering nothing), then the round-robin list.
void Local2FormLoad(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);
// The window became active: the match field gets the focus when shown.
void Local2FormActivate(Local2Form& form);

// The standings computation with the 2-1 option from Check2, and the header
// and group files rewritten.
void RunStandings(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);

// "Results, &Round-Robin" (lt2mnu_rr): the match list and result entry.
void lt2mnu_rrClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);
// "&Enter" (Command1): a round-robin result; every refusal is silent.
void Command1Click(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);
// A change in the first result field moves on to the second.
void Text2Change(Local2Form& form);
// "&Standings" and "&Groups" (Display).
void lt2mnu_standClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);
void lt2mnu_grpClick(Local2Form& form, const SmallTournament& t, const Database& db);
// "E&xit" in the menu ends the match program; the button only closes.
void lt2mnu_exClick(Local2Form& form, SmallTournament& t);
void Command2Click(Local2Form& form);

}  // namespace hrs
