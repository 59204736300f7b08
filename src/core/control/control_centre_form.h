#pragma once
#include <string>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/shell/form_controls.h"
#include "core/swiss/companion_files.h"

namespace hrs {

// The modes of the Control Centre, numbered as its option buttons.
enum class ControlMode {
  FileOverview = 1,     // Option1
  ResultOverview = 2,   // Option2
  AddTournament = 3,    // Option3
  RemoveTournament = 4, // Option4
  Keyboard = 5,         // Option5
  UserFile = 6,         // Option6
  CountDuels = 7,       // Option7
};

// The result list window dbListShow beside the Control Centre.
struct ListShowForm {
  bool visible = false;
  bool place = false;  // moved to its place beside the Control Centre when next shown
  std::string caption;       // "Overview for June 2026"
  std::string frameCaption;  // the column header
  ListBox List1;
};

inline constexpr const char* FontSansSerif = "MS Sans Serif";
inline constexpr const char* FontCourierNew = "Courier New";

// The Control Centre window dbRating as plain state; the window copies it
// into its widgets and forwards every event to the functions below.
struct ControlCentreForm {
  ControlMode mode = ControlMode::FileOverview;

  Button Option1{"File &Overview"}, Option2{"Res&ult Overview"}, Option3{"Add &Tournament"},
      Option4{"Remo&ve Tournament"}, Option5{"Add Results &Keyboard"},
      Option6{"Add       User &File"}, Option7{"Count Duels     in &Base"};
  Button Command1{"&Enter"}, Command2{"E&xit"}, Command3{"&Correct"}, Command4{"&Save File"},
      Command5{"By Sys &Id"}, Command6{"By &MbShip No"}, Command7{"By &Name"}, Command8{"&Ranking List"},
      Command9{"&Delete Transaction"};
  bool command1Default = false;  // Enter (and the save icon) click Command1
  bool command3Default = false;  // Enter clicks Command3 (correcting a user file)

  // A draw is marked by giving Text6 the focus, never by typing.
  TextBox Text1, Text2, Text3, Text4, Text5, Text6{"", true, true, true}, Text7;
  Label Label1{"Year"}, Label2{"Month"}, Label3{"Day"}, Label4{"Winner"}, Label5{"Loser"}, Label6{"Draw"},
      Label7, Label8, Label9{"Save"}, Label10, Label11;
  std::string label7Font = FontSansSerif;

  ListBox List1, List2, List3, File1, File2;
  std::string list1Font = "Courier";
  std::string list2Font = "sans serif";

  Button Check1{"Alpha Search"};
  Button Frame1{"Search"};
  Label Pic1;  // the save icon
  static constexpr const char* Pic1ToolTip = "Double-click to save the result";

  int ListView = 0;  // what List1 shows: 1 Sys Id, 2 membership number, 3 name, 4 ranking

  // The field to give the focus to, set by an event ("Text4"); the window
  // moves the focus there and clears it.
  std::string focus;
  bool closed = false;  // E&xit: the window closes

  ListShowForm listShow;

  // Add Tournament: for one adding action and the choice of unknown players
  // that may follow it, the companion tournament's participants, whether
  // they could be read, the pass (0 find unknown players, 1 convert and
  // write) and the List3 line being added.
  std::vector<CompanionParticipant> participants;
  bool participantsLoaded = false;
  int validationPass = 0;
  int tournamentLine = -1;

  // Add User File: the file being imported and its first (Command1) step done.
  std::string userFile;
  bool correcting = false;
  std::string unreadLine;  // records the reading left, told with the review

  TextBox* TextByName(const std::string& name);
};

// ---- the window as a whole ----------------------------------------------

// The neutral state every mode starts from.
void ResetControlCentre(ControlCentreForm& form);
// Opening: the reset, the rating year, then the file overview at once.
void ControlCentreLoad(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
// E&xit: the result list window closes with this one.
void Command2Click(ControlCentreForm& form);
// The action of the current mode (Enter, a double click on the save icon).
void Command1Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);

void Option1Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
void Option2Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
void Option5Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
void Option7Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);

// The operator moved the selection of List1 (indexes of the selected lines,
// the current line).
void List1SelectionChanged(ControlCentreForm& form, std::vector<int> selected, int current);
// A double click on a line of List1: a transfer in keyboard mode, else Command1.
void List1DblClick(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock, int index);
// Enter in List1: in the result overview it runs the chosen month, as a
// double click does; elsewhere the window's default button has it.
void List1KeyEnter(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
// The right mouse button pressed on a line of List1: a transfer in keyboard mode.
void List1RightButton(ControlCentreForm& form, const Database& db, int index);
void Pic1DblClick(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);

// ---- Add Tournament and Remove Tournament --------------------------------

void Option3Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
void Option4Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
// A double click on a candidate file: adds it.
void List3DblClick(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock, int index);
// The unknown players of a tournament (List2) need room beside the database
// while they are chosen; the companion's tournaments (List3) show only while
// one is being added.
bool List2Tall(const ControlCentreForm& form);
bool List3Shown(const ControlCentreForm& form);
// The operator moved the selection of List3 (indexes of the selected lines).
void List3SelectionChanged(ControlCentreForm& form, std::vector<int> selected);
// A left click / right-button press on a line of List2: marks / unmarks an
// unknown player while they are listed.
void List2Click(ControlCentreForm& form, int index);
void List2RightButton(ControlCentreForm& form, int index);
// "Add Players" in Add Tournament, "&Correct" in Add User File.
void Command3Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);

// ---- Add User File ------------------------------------------------------

void Option6Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
// A click on a line of List1: loads an error line into the fields.
void List1Click(ControlCentreForm& form, const Database& db, int index);
// "&Save File".
void Command4Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
// "&Delete Transaction".
void Command9Click(ControlCentreForm& form);

// ---- player views (every mode) ------------------------------------------

void Command5Click(ControlCentreForm& form, const Database& db, Dialogs& dialogs);
void Command6Click(ControlCentreForm& form, const Database& db, Dialogs& dialogs);
void Command7Click(ControlCentreForm& form, const Database& db, Dialogs& dialogs);
void Command8Click(ControlCentreForm& form, const Database& db, Dialogs& dialogs);

// ---- keyboard entry fields ----------------------------------------------

// The operator gave a field the focus (by mouse or Tab).
void Text1GotFocus(ControlCentreForm& form, const Database& db);
void Text2GotFocus(ControlCentreForm& form, const Database& db);
void Text3GotFocus(ControlCentreForm& form, const Database& db);
void Text4GotFocus(ControlCentreForm& form, const Database& db);
void Text5GotFocus(ControlCentreForm& form, const Database& db);
void Text6GotFocus(ControlCentreForm& form);
// The operator typed into a field: its new text.
void TextChange(ControlCentreForm& form, const Database& db, const std::string& field, const std::string& text);

// ---- the search aid -----------------------------------------------------

void Check1Click(ControlCentreForm& form, const Database& db, Dialogs& dialogs, bool checked);
void Text7GotFocus(ControlCentreForm& form);

// ---- the result list window ---------------------------------------------

// A click on a line of dbListShow's list.
void ListShowClick(ControlCentreForm& form, const Database& db, int index);
// The operator closed dbListShow himself.
void ListShowClosed(ControlCentreForm& form);

// Gives a field the focus from a check of the system (which empties the
// date and id fields in keyboard mode, as the operator's own focus does).
void SetControlFocus(ControlCentreForm& form, const Database& db, const std::string& field);

}  // namespace hrs
