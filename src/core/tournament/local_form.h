#pragma once
#include <array>
#include <functional>
#include <string>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/random.h"
#include "core/shell/form_controls.h"
#include "core/tournament/grouping.h"
#include "core/tournament/tournament_tables.h"

namespace hrs {

// The window dbLocal: the players chosen for a small tournament, their
// groups, the match program, and loading or deleting earlier tournaments.
struct LocalForm {
  ListBox SelectionList;  // item data: Sys Id
  ListBox SelectedList;   // item data: Sys Id
  TextBox Text1;          // the number of players selected
  std::array<ListBox, MaxGroups + 1> Group;  // group lists 1..8 (0 unused)
  Label Label1;           // the text area
  ListBox FileList;       // the tournament list of Load and Delete
  Label FileCaption;
  Button Check1{"Groups &Randomly"};

  bool groupsMade = false;
  int groupCount = 0;
  GroupMembers members;   // the groups shown, by Sys Id
  bool deleteMode = false;  // the tournament list deletes instead of loading

  bool close = false;       // the window closes (the tournament windows end)
  bool openLocal2 = false;  // dbLocal2 opens with the tournament; this window waits hidden
};

// The texts of the window.
std::string SelectionHelpText();
std::string GroupingHelpText();
inline constexpr const char* GroupsReadyText =
    "When you are satisfied with the groups please click Perform/Match Program";
std::string ReadMeText();

// Opening the window: the player lists as new, the match-program flag cleared.
void LocalFormLoad(LocalForm& form, SmallTournament& t, const Database& db, Dialogs& dialogs);
// "&New Selection" (ltmnu_call): the same.
void ltmnu_callClick(LocalForm& form, SmallTournament& t, const Database& db, Dialogs& dialogs);
// Closing the window clears the match-program flag.
void LocalFormUnload(SmallTournament& t);

void SelectionListClick(LocalForm& form, int index, Dialogs& dialogs);
void SelectedListClick(LocalForm& form, int index);

// "Make &Groups" (ltmnu_grup). `repaint` shows the form as it is before the
// question of the number of groups, so that its help text is on the screen.
void ltmnu_grupClick(LocalForm& form, SmallTournament& t, const Database& db, Dialogs& dialogs, Random& random,
                     const std::function<void()>& repaint = {});
// "Match &Program" (ltmnu_match): the match table and the tournament files.
void ltmnu_matchClick(LocalForm& form, SmallTournament& t, const Database& db, Dialogs& dialogs,
                      const Clock& clock);
// "Read&Me" (ltmnu_rm).
void ltmnu_rmClick(Dialogs& dialogs);
// "&Load Tournament" (ltmnu_load) and "&Delete Tournament" (ltmnu_del): the tournament list.
void ltmnu_loadClick(LocalForm& form, const Database& db);
void ltmnu_delClick(LocalForm& form, const Database& db);
// A click on the tournament list: loads or deletes that tournament.
void FileListClick(LocalForm& form, int index, SmallTournament& t, const Database& db, Dialogs& dialogs);
// "E&xit Small Tournament" (ltmnu_ex).
void ltmnu_exClick(LocalForm& form);

}  // namespace hrs
