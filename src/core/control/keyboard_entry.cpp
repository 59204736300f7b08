#include "core/control/keyboard_entry.h"

#include "core/shell/alpha_search.h"
#include "core/control/control_centre_modes.h"
#include "core/control/player_views.h"
#include "core/control/result_entry.h"
#include "core/text/align.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

constexpr const char* NoPlayersInDatabase = "No players in database";

// The name beside an id field: the player whose Sys Id the field holds.
void IdChanged(ControlCentreForm& form, const Database& db, TextBox& field, const TextBox& other, Label& name) {
  const auto value = NumericValue(field.text);
  if (field.text.empty() || !value) {
    name.caption.clear();
    form.Pic1.visible = form.Label9.visible = false;
    return;
  }
  // The save icon belongs to keyboard entry; correcting a user file saves with Correct.
  if (!other.text.empty() && form.mode == ControlMode::Keyboard) form.Pic1.visible = form.Label9.visible = true;
  if (*value >= 1 && *value <= db.players.PlayerCount)
    name.caption = db.players[static_cast<int>(*value)].Name.str();
  else
    name.caption.clear();
}

void ShowIdCaptions(ControlCentreForm& form, bool shown) {
  form.Label4.visible = shown;
  form.Label5.visible = shown;
}

void EntryGotFocus(ControlCentreForm& form, const Database& db, const char* field) {
  if (form.mode != ControlMode::Keyboard) return;
  SetEntryText(form, db, field, "");
}

}  // namespace

std::string KeyboardEntryHelp() {
  return "Year: All digits\r"
         "Winner and Loser: Sys Id or Membership No\r"
         "Draw = X (mouse toggle)\r"
         "\r"
         "DblClick or click left/right to transfer, or enter the Id's in winner/loser boxes. \r"
         "DblClick save icon or press Enter to save result";
}

void SetEntryText(ControlCentreForm& form, const Database& db, const std::string& field, const std::string& text) {
  TextBox* box = form.TextByName(field);
  if (!box) return;
  box->text = text;
  if (field == "Text4") IdChanged(form, db, form.Text4, form.Text5, form.Label10);
  if (field == "Text5") IdChanged(form, db, form.Text5, form.Text4, form.Label11);
}

void TextChange(ControlCentreForm& form, const Database& db, const std::string& field, const std::string& text) {
  if (field == "Text7") {
    form.Text7.text = text;
    AlphaSearchSelect(form.List1, text,
                      form.mode == ControlMode::AddTournament ? AlphaSearchFromTenth : AlphaSearchFromStart);
    return;
  }
  SetEntryText(form, db, field, text);
}

void Text1GotFocus(ControlCentreForm& form, const Database& db) { EntryGotFocus(form, db, "Text1"); }
void Text2GotFocus(ControlCentreForm& form, const Database& db) { EntryGotFocus(form, db, "Text2"); }
void Text3GotFocus(ControlCentreForm& form, const Database& db) { EntryGotFocus(form, db, "Text3"); }
void Text4GotFocus(ControlCentreForm& form, const Database& db) { EntryGotFocus(form, db, "Text4"); }
void Text5GotFocus(ControlCentreForm& form, const Database& db) { EntryGotFocus(form, db, "Text5"); }

void Text6GotFocus(ControlCentreForm& form) {
  if (form.mode == ControlMode::UserFile) {
    if (!form.correcting) return;
    const std::string& r = form.Text6.text;
    form.Text6.text = r == "1" ? "2" : r == "2" ? "0" : "1";
    return;
  }
  if (form.mode != ControlMode::Keyboard) return;
  const bool draw = form.Text6.text.empty();
  form.Text6.text = draw ? "X" : "";
  ShowIdCaptions(form, !draw);
}

void Option5Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  ChooseMode(form, ControlMode::Keyboard);
  if (db.players.PlayerCount < 1) {
    dialogs.Beep();
    dialogs.Message(NoPlayersInDatabase);
    return;
  }
  ResetControlCentre(form);
  form.Command1.enabled = true;
  form.command1Default = true;
  form.Check1.visible = true;
  for (Label* l : {&form.Label2, &form.Label3, &form.Label4, &form.Label5, &form.Label6, &form.Label10,
                   &form.Label11})
    l->visible = true;
  form.Label9.visible = form.Pic1.visible = false;
  for (TextBox* t : {&form.Text2, &form.Text3, &form.Text4, &form.Text5, &form.Text6}) t->enabled = true;
  form.Text1.readOnly = false;

  const Date today = clock.Today();
  form.Text1.text = std::to_string(today.year);
  form.Text2.text = TwoDigits(today.month);
  form.Text3.text = TwoDigits(today.day);
  for (const char* f : {"Text4", "Text5"}) SetEntryText(form, db, f, "");
  form.Text6.text.clear();
  form.Label4.caption = "Winner";
  form.Label5.caption = "Loser";
  form.Label6.caption = "Draw";

  form.label7Font = FontSansSerif;
  form.Label7.caption = KeyboardEntryHelp();
  form.Label7.visible = true;

  form.Label8.caption = PlayersForEntryHeader();
  form.Label8.visible = true;
  form.List1.Clear();
  form.List1.lines = PlayersForEntry(db.players);
  form.List1.enabled = true;
  if (!form.List1.lines.empty()) {
    form.List1.selected = {0};
    form.List1.listIndex = 0;
  }
  form.ListView = 3;
  // The field keeps nothing typed before: it gets the focus, as the operator's own.
  SetControlFocus(form, db, "Text4");
}

void TransferFromList(ControlCentreForm& form, const Database& db, int index) {
  const int sysId = form.List1.lines[static_cast<size_t>(index)].value;
  if (sysId <= 0) return;
  const std::string id = std::to_string(sysId);
  if (form.Text4.text.empty()) {
    SetEntryText(form, db, "Text4", id);
  } else if (form.Text5.text.empty()) {
    SetEntryText(form, db, "Text5", id);
  } else {
    SetEntryText(form, db, "Text4", "");
    SetEntryText(form, db, "Text5", "");
    SetEntryText(form, db, "Text4", id);
  }
}

void SaveKeyboardResult(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  const ResultEntry entry{form.Text1.text, form.Text2.text, form.Text3.text,
                          form.Text4.text, form.Text5.text, form.Text6.text == "X"};
  const ResultEntryOutcome out = SaveResultEntry(entry, db, dialogs, clock);
  using Kind = ResultEntryOutcome::Kind;
  switch (out.kind) {
    case Kind::Saved:
      form.Pic1.visible = form.Label9.visible = false;
      SetEntryText(form, db, "Text4", "");
      SetEntryText(form, db, "Text5", "");
      form.Text6.text.clear();
      ShowIdCaptions(form, true);
      if (form.Text7.enabled) form.Text7.text.clear();
      SetControlFocus(form, db, "Text4");
      return;
    case Kind::Cancelled:
      SetEntryText(form, db, "Text4", "");
      SetEntryText(form, db, "Text5", "");
      SetControlFocus(form, db, "Text4");
      return;
    case Kind::Refused: {
      // An id replaced by its Sys Id stays replaced.
      if (out.winner != form.Text4.text) SetEntryText(form, db, "Text4", out.winner);
      if (out.loser != form.Text5.text) SetEntryText(form, db, "Text5", out.loser);
      static const char* fields[] = {"", "Text1", "Text2", "Text3", "Text4", "Text5"};
      SetControlFocus(form, db, fields[static_cast<int>(out.field)]);
      return;
    }
    case Kind::Future:
    case Kind::NotWritten:
      return;
  }
}

}  // namespace hrs
