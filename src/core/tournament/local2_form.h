#pragma once
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/print_job.h"
#include "core/platform/random.h"
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
  // Counts the fillings of List1: a list filled anew is shown from its top
  // line, as a cleared list box is, wherever the previous one was scrolled.
  int list1Filled = 0;
  void FillList1(std::vector<SortedList::Item> lines = {}) {
    List1.Clear();
    List1.lines = std::move(lines);
    ++list1Filled;
  }
  Label Label1;  // the text area
  Label Label2;  // the column caption
  std::string captionFont = "Courier New";

  enum class View { RoundRobin, Standings, Groups, Qualification, Pairing, Playoff, Other };
  View view = View::RoundRobin;
  bool qualificationMode = false;
  bool playoffMode = false;
  int playoffSize = 0;  // the answer to "How many players?" until "&Pair "

  std::string focus;   // "Text1": the window moves the focus there
  bool close = false;  // the window closes (dbLocal comes back)
};

inline constexpr const char* RoundRobinCaption = "From left: Result - Match - Round - Opponents";
std::string RoundRobinHelpText();

// Opening: Check2 takes the header's option (triggering nothing), then the round-robin list.
void Local2FormLoad(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);
// The window became active: the match field gets the focus when shown.
void Local2FormActivate(Local2Form& form);
// Empties the three result fields.
void ClearFields(Local2Form& form);

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

// Shared by the views: the three result fields with their captions and
// button, and the pairing controls with Check2.
void ShowResultFields(Local2Form& form, bool shown);
void HidePairingControls(Local2Form& form);

// The playoff.
// "&Playoff Qualification" (lt2mnu_po): the starrable standings.
void lt2mnu_poClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);
// A double click on a line stars it or takes its star away.
void List1DblClick(Local2Form& form, int index);
// The operator ticked or unticked Check2: the qualification view anew.
void Check2Click(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);
// "&Playoff Pairing" (lt2mnu_pair) and "&Pair " (Command3).
void lt2mnu_pairClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);
void Command3Click(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs, Random& random);
// "Results, &Playoff" (lt2mnu_rp): the bracket; "&Enter" then goes to it.
void lt2mnu_rpClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);
void PlayoffEnter(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);

// The output files.
// "Save File for &Ranking System" (lt2mnu_ro).
void lt2mnu_roClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs, const Clock& clock);
// "Save File for Sanctioned &Reporting" (lt2mnu_sf): TRP_ and MAL_ on drive A.
void lt2mnu_sfClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs);

// The printouts of the "P&rint" menu.
void lt2mnu_pgClick(Local2Form& form, const SmallTournament& t, const Database& db, Dialogs& dialogs,
                    PrintJob& job, const Clock& clock);
void lt2mnu_pmpClick(Local2Form& form, const SmallTournament& t, const Database& db, Dialogs& dialogs,
                     PrintJob& job, const Clock& clock);
void lt2mnu_ppqClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs, PrintJob& job,
                     const Clock& clock);
void lt2mnu_popClick(Local2Form& form, const SmallTournament& t, const Database& db, Dialogs& dialogs,
                     PrintJob& job, const Clock& clock);
void lt2mnu_srClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs, PrintJob& job,
                    const Clock& clock);

}  // namespace hrs
