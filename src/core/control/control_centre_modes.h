#pragma once
#include <string>

#include "core/control/control_centre_form.h"

namespace hrs {

// The pieces of the Control Centre's modes that its events share.

// Marks the option button of the mode as chosen.
void ChooseMode(ControlCentreForm& form, ControlMode mode);

// The Command1 actions.
void ShowFileOverview(ControlCentreForm& form, Database& db, Dialogs& dialogs);
void ShowResultOverview(ControlCentreForm& form, Database& db, Dialogs& dialogs);
void SaveKeyboardResult(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
void ShowDuelCount(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
void AddSelectedTournament(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
void RemoveTournamentStep(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
void ImportUserFile(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);

// "Add Players": adds the marked unknown players, then asks to go on.
void AddMarkedPlayers(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
// "&Correct": validates the selected error line again from the fields.
void CorrectUserLine(ControlCentreForm& form, const Database& db, const Clock& clock);

// Add Tournament: adds the file of List3's line `index` (pass 0 finds the
// unknown players, pass 1 converts and writes).
void AddTournamentLine(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock, int index);

// Keyboard entry: the Sys Id of a List1 line into the id fields.
void TransferFromList(ControlCentreForm& form, const Database& db, int index);
// Sets a date or id field as a change of its text does (names, save icon).
void SetEntryText(ControlCentreForm& form, const Database& db, const std::string& field, const std::string& text);

}  // namespace hrs
