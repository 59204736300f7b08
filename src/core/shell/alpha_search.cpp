#include "core/shell/alpha_search.h"

#include "core/control/control_centre_form.h"
#include "core/text/characters.h"

namespace hrs {

void AlphaSearchSelect(ListBox& list, const std::string& text, size_t offset) {
  list.selected.clear();
  if (text.empty()) return;
  for (size_t i = 0; i < list.lines.size(); ++i) {
    const std::string& line = list.lines[i].line;
    if (line.size() >= offset && StartsWithNoCase(std::string_view(line).substr(offset), text))
      list.selected.push_back(static_cast<int>(i));
  }
  if (!list.selected.empty()) {
    list.listIndex = list.selected.front();
    list.topIndex = list.listIndex;
  }
}

namespace {

bool SearchesHere(const ControlCentreForm& form) {
  return form.mode == ControlMode::Keyboard || form.mode == ControlMode::AddTournament;
}

void FirstLineCurrent(ListBox& list) {
  list.selected.clear();
  list.listIndex = list.lines.empty() ? -1 : 0;
  list.topIndex = 0;
}

}  // namespace

void Check1Click(ControlCentreForm& form, const Database& db, Dialogs& dialogs, bool checked) {
  if (checked && !SearchesHere(form)) checked = false;  // undone
  form.Check1.value = checked;
  const bool keyboard = form.mode == ControlMode::Keyboard;
  if (!checked) {
    form.Text7.enabled = false;
    form.Frame1.visible = false;
    if (keyboard) form.List1.selected.clear();
    return;
  }
  if (keyboard && form.ListView != 3) {
    Command7Click(form, db, dialogs);
    form.Check1.value = true;
  }
  form.Text7.enabled = true;
  form.Text7.text.clear();
  if (keyboard) form.Frame1.visible = true;
  FirstLineCurrent(form.List1);
  form.focus = "Text7";
}

void Text7GotFocus(ControlCentreForm& form) {
  if (!form.Text7.enabled) return;
  form.Text7.text.clear();
  AlphaSearchSelect(form.List1, "", 0);
}

}  // namespace hrs
