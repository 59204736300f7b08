#include "core/control/control_centre_form.h"

#include "core/control/control_centre_modes.h"

namespace hrs {

TextBox* ControlCentreForm::TextByName(const std::string& name) {
  if (name == "Text1") return &Text1;
  if (name == "Text2") return &Text2;
  if (name == "Text3") return &Text3;
  if (name == "Text4") return &Text4;
  if (name == "Text5") return &Text5;
  if (name == "Text6") return &Text6;
  if (name == "Text7") return &Text7;
  return nullptr;
}

void ResetControlCentre(ControlCentreForm& form) {
  form.Text1.readOnly = true;
  for (TextBox* t : {&form.Text2, &form.Text3, &form.Text4, &form.Text5, &form.Text6, &form.Text7})
    t->enabled = false;
  form.Frame1.visible = false;
  for (Label* l : {&form.Label2, &form.Label3, &form.Label4, &form.Label5, &form.Label6, &form.Label7,
                   &form.Label8, &form.Label9, &form.Label10, &form.Label11})
    l->visible = false;
  for (ListBox* l : {&form.File1, &form.List1, &form.List2, &form.List3}) l->enabled = false;
  form.list1Font = "Courier";
  form.Pic1.visible = false;
  form.Check1.value = false;
  form.Check1.visible = false;
  form.listShow.visible = false;
  form.Command3.enabled = false;
  form.Command3.caption = "&Correct";
  form.Command4.enabled = false;
  form.Command9.enabled = false;
  for (Button* b : {&form.Command5, &form.Command6, &form.Command7, &form.Command8}) b->enabled = true;
  form.command1Default = false;
  form.command3Default = false;
  form.correcting = false;
  // Leaving Add Tournament part-way ends its action.
  form.participants.clear();
  form.participantsLoaded = false;
  form.validationPass = 0;
}

void ChooseMode(ControlCentreForm& form, ControlMode mode) {
  form.mode = mode;
  Button* options[] = {&form.Option1, &form.Option2, &form.Option3, &form.Option4,
                       &form.Option5, &form.Option6, &form.Option7};
  for (int i = 0; i < 7; ++i) options[i]->value = i + 1 == static_cast<int>(mode);
}

void ControlCentreLoad(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  ResetControlCentre(form);
  form.Text1.text = std::to_string(db.setup.RatingYear);
  Option1Click(form, db, dialogs, clock);
}

void Command2Click(ControlCentreForm& form) {
  form.listShow.visible = false;
  form.closed = true;
}

void Command1Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  switch (form.mode) {
    case ControlMode::FileOverview: ShowFileOverview(form, db, dialogs); break;
    case ControlMode::ResultOverview: ShowResultOverview(form, db, dialogs); break;
    case ControlMode::Keyboard: SaveKeyboardResult(form, db, dialogs, clock); break;
    case ControlMode::CountDuels: ShowDuelCount(form, db, dialogs, clock); break;
    case ControlMode::AddTournament:
      // Not while unknown players are chosen: "Add Players" goes on from there.
      if (!form.Command3.enabled) AddSelectedTournament(form, db, dialogs, clock);
      break;
    case ControlMode::RemoveTournament: RemoveTournamentStep(form, db, dialogs, clock); break;
    case ControlMode::UserFile: ImportUserFile(form, db, dialogs, clock); break;
  }
}

void Command3Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  if (!form.Command3.enabled) return;
  if (form.mode == ControlMode::AddTournament) AddMarkedPlayers(form, db, dialogs, clock);
  else if (form.mode == ControlMode::UserFile) CorrectUserLine(form, db, clock);
}

void List1SelectionChanged(ControlCentreForm& form, std::vector<int> selected, int current) {
  form.List1.selected = std::move(selected);
  form.List1.listIndex = current;
}

bool List2Tall(const ControlCentreForm& form) {
  return form.mode == ControlMode::AddTournament && form.Command3.enabled;
}

bool List3Shown(const ControlCentreForm& form) {
  return form.mode == ControlMode::AddTournament && !form.List3.lines.empty();
}

void List3SelectionChanged(ControlCentreForm& form, std::vector<int> selected) {
  form.List3.selected = std::move(selected);
}

void List1DblClick(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock, int index) {
  if (index < 0 || index >= static_cast<int>(form.List1.lines.size())) return;
  if (form.mode == ControlMode::Keyboard) {
    TransferFromList(form, db, index);
    return;
  }
  form.List1.listIndex = index;
  form.List1.selected = {index};
  Command1Click(form, db, dialogs, clock);
}

void List1KeyEnter(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  if (form.mode != ControlMode::ResultOverview) return;
  Command1Click(form, db, dialogs, clock);
}

void List1RightButton(ControlCentreForm& form, const Database& db, int index) {
  if (form.mode != ControlMode::Keyboard) return;
  if (index < 0 || index >= static_cast<int>(form.List1.lines.size())) return;
  TransferFromList(form, db, index);
}

void Pic1DblClick(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  if (form.Pic1.visible) Command1Click(form, db, dialogs, clock);
}

void SetControlFocus(ControlCentreForm& form, const Database& db, const std::string& field) {
  form.focus = field;
  if (field == "Text7") {
    Text7GotFocus(form);
    return;
  }
  if (form.mode != ControlMode::Keyboard) return;
  for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
    if (field == name) SetEntryText(form, db, field, "");
}

}  // namespace hrs
