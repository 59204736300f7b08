#include "core/swiss/turn_form.h"

#include <algorithm>

#include "core/shell/alpha_search.h"
#include "core/data/file_io.h"
#include "core/data/setup_file.h"
#include "core/swiss/export_tournament.h"
#include "core/swiss/workfile.h"
#include "core/text/characters.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

constexpr const char* WorkfileFilter = "All files (*)";

void UpdateCounters(TurnForm& form) {
  form.Text4.text = std::to_string(form.List1.lines.size());
  form.Text1.text = std::to_string(form.List1.lines.size() + form.List2.lines.size());
}

// The grid's name cells: empty for the players in List1, filled for the others.
void ShowNameCells(TurnForm& form, const Database& db) {
  std::vector<bool> selected(PlayerCapacity + 1, false);
  for (const auto& item : form.List1.lines) {
    const int id = LineSysId(item.line);
    if (id >= 1 && id <= PlayerCapacity) selected[static_cast<size_t>(id)] = true;
  }
  for (GridRow& row : form.Grid1.rows)
    row.cells[GridNameColumn] = selected[static_cast<size_t>(row.sysId)] ? std::string() : db.players[row.sysId].Name.str();
}

void BuildGrid(TurnForm& form, const Database& db) {
  form.Grid1.rows = PlayerGridRows(db.players);
  form.Grid1.selected.clear();
  form.Grid1.topRow = 0;
  ShowNameCells(form, db);
}

// Adds a line where the sorted list keeps it (after equal lines); the lines
// selected stay selected.
int InsertSorted(ListBox& list, std::string line, int value) {
  const auto at = std::upper_bound(list.lines.begin(), list.lines.end(), line,
                                   [](const std::string& l, const SortedList::Item& item) {
                                     return SortedBefore(l, item.line);
                                   });
  const int pos = static_cast<int>(at - list.lines.begin());
  list.lines.insert(at, {std::move(line), value});
  for (int& s : list.selected)
    if (s >= pos) ++s;
  if (list.listIndex >= pos) ++list.listIndex;
  return pos;
}

void RemoveAt(ListBox& list, int index) {
  list.lines.erase(list.lines.begin() + index);
  std::vector<int> kept;
  for (int s : list.selected)
    if (s != index) kept.push_back(s > index ? s - 1 : s);
  list.selected = std::move(kept);
  if (list.listIndex == index) list.listIndex = -1;
  else if (list.listIndex > index) --list.listIndex;
  list.topIndex = std::min(list.topIndex, std::max(0, static_cast<int>(list.lines.size()) - 1));
}

bool IsSelectable(const Database& db, int sysId) {
  return sysId >= 1 && sysId <= db.players.PlayerCount && db.players[sysId].Status == StatusActive;
}

void AddGridSelection(TurnForm& form, const Database& db, bool needsRating, bool selectLastAdded) {
  int added = -1;
  for (int r : form.Grid1.selected) {
    if (r < 0 || r >= static_cast<int>(form.Grid1.rows.size())) continue;
    GridRow& row = form.Grid1.rows[static_cast<size_t>(r)];
    std::string& name = row.cells[GridNameColumn];
    // An emptied name cell is a player already in the list: taking him again
    // would put a nameless second line of him there.
    if (name.empty() || !IsSelectable(db, row.sysId)) continue;
    if (needsRating && db.players[row.sysId].Rating <= 0) continue;
    const int pos = InsertSorted(form.List1, SelectedPlayerLine(name, row.sysId), row.sysId);
    if (added >= pos) ++added;
    added = pos;
    name.clear();
  }
  if (selectLastAdded && added >= 0) {
    form.List1.selected = {added};
    form.List1.listIndex = added;
  }
  UpdateCounters(form);
}

void RemoveSelectedPlayers(TurnForm& form, const Database& db) {
  std::vector<int> lines = form.List1.selected;
  if (lines.empty() && form.List1.listIndex >= 0) lines.push_back(form.List1.listIndex);
  std::sort(lines.rbegin(), lines.rend());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  for (int index : lines)
    if (index >= 0 && index < static_cast<int>(form.List1.lines.size())) RemoveAt(form.List1, index);
  ShowNameCells(form, db);
  form.List1.selected.clear();
  form.List1.listIndex = -1;
  UpdateCounters(form);
}

void RemoveSelectedSlot(TurnForm& form) {
  const int index = form.List2.listIndex;
  if (index < 0 || index >= static_cast<int>(form.List2.lines.size())) return;
  RemoveAt(form.List2, index);
  form.List2.selected.clear();
  form.List2.listIndex = -1;
  UpdateCounters(form);
}

void FillLists(TurnForm& form, const Database& db, const WorkfileContent& content) {
  form.List1.Clear();
  form.List2.Clear();
  for (const auto& item : content.players) InsertSorted(form.List1, item.line, item.value);
  for (const auto& item : content.slots) InsertSorted(form.List2, item.line, 0);
  BuildGrid(form, db);
  UpdateCounters(form);
}

std::string WorkfileDirectory(const std::string& name) {
  if (name.empty()) return {};
  return std::filesystem::path(name).parent_path().string();
}

void SetupNotSaved(Dialogs& dialogs, const std::string& reason) {
  dialogs.Message("The name of the workfile could not be kept in the setup file.\r" + reason, Buttons::Ok,
                  Icon::Critical);
}

}  // namespace

void TurnFormLoad(TurnForm& form, const Database& db, Dialogs& dialogs) {
  form.caption = TurnCaption;
  form.Label2.caption =
      "Select one or more players with the mouse left button\rClick the mouse right button or click Add Players to add";
  form.Label1.caption = "You may save the selected players and edit the file later until you are ready to Export";
  form.Label3.caption = "To remove: Highlight and click right mouse button or Remove Player.";
  if (db.players.PlayerCount < 1) return;
  form.List1.Clear();
  form.List2.Clear();
  form.Text2.text = "0";
  BuildGrid(form, db);
  UpdateCounters(form);
  const std::string& name = db.setup.PreRegFile.str();
  if (name.empty()) return;
  const WorkfileRead read = ReadWorkfile(name, db.players.PlayerCount);
  if (!read.content) {
    // A workfile that has gone since is no news; one that cannot be read is.
    if (read.problem != ErrorOpeningFile) dialogs.Message(read.problem, Buttons::Ok, Icon::Warning);
    return;
  }
  FillLists(form, db, *read.content);
  form.caption = std::string(TurnCaption) + " - " + name;
  if (read.content->dropped > 0) dialogs.Message(DroppedLinesNote(read.content->dropped), Buttons::Ok, Icon::Information);
}

void Grid1SelectionChange(TurnForm& form, std::vector<int> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  form.Grid1.selected = std::move(rows);
}

void List1SelectionChange(TurnForm& form, std::vector<int> lines) {
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  form.List1.selected = std::move(lines);
  form.List1.listIndex = form.List1.selected.empty() ? -1 : form.List1.selected.front();
}

void List2SelectionChange(TurnForm& form, int line) {
  form.List2.listIndex = line;
  form.List2.selected.clear();
  if (line >= 0) form.List2.selected.push_back(line);
}

void Command1Click(TurnForm& form, const Database& db) { AddGridSelection(form, db, true, false); }

void Grid1RightClick(TurnForm& form, const Database& db) { AddGridSelection(form, db, false, true); }

void Command2Click(TurnForm& form, const Database& db) { RemoveSelectedPlayers(form, db); }

void List1RightClick(TurnForm& form, const Database& db) { RemoveSelectedPlayers(form, db); }

void Command8Click(TurnForm& form) {
  const auto count = NumericValue(form.Text2.text);
  if (!count || *count < 1 || *count > 99) {
    form.focus = "Text2";
    return;
  }
  if (form.Text3.text.size() < 2) {
    form.focus = "Text3";
    return;
  }
  const std::string line = SlotLine(SafeFileText(form.Text3.text));
  for (int i = 0; i < static_cast<int>(*count); ++i) InsertSorted(form.List2, line, 0);
  form.Text2.text = "0";
  form.Text3.text.clear();
  UpdateCounters(form);
}

void List2DblClick(TurnForm& form) { RemoveSelectedSlot(form); }

void List2RightClick(TurnForm& form) { RemoveSelectedSlot(form); }

void Check1Click(TurnForm& form, bool checked) {
  form.Check1.value = checked;
  if (checked) {
    form.focus = "Text3";
    return;
  }
  form.Text3.text.clear();
  form.Grid1.selected.clear();
  form.List1.selected.clear();
  form.List1.listIndex = -1;
}

void Text2Change(TurnForm& form, const std::string& text) { form.Text2.text = text; }

void Text3Change(TurnForm& form, const std::string& text) {
  form.Text3.text = text;
  if (!form.Check1.value) return;
  PlayerGrid& grid = form.Grid1;
  grid.selected.clear();
  AlphaSearchSelect(form.List1, text, AlphaSearchFromStart);
  if (text.empty()) return;
  int first = -1, last = -1;
  for (int r = 0; r < static_cast<int>(grid.rows.size()); ++r) {
    const std::string& name = grid.rows[static_cast<size_t>(r)].cells[GridNameColumn];
    if (!StartsWithNoCase(name, text)) continue;
    if (first < 0) first = r;
    last = r;
  }
  if (first < 0) return;
  for (int r = first; r <= last; ++r) grid.selected.push_back(r);
  const int rows = static_cast<int>(grid.rows.size());
  grid.topRow = std::min(first, std::max(0, rows - GridRowsInView));
}

void Command3Click(TurnForm& form, const Database& db) {
  form.List1.Clear();
  form.List2.Clear();
  BuildGrid(form, db);
  form.caption = TurnCaption;
  UpdateCounters(form);
}

void Command4Click(TurnForm& form, Database& db, Dialogs& dialogs, const std::function<void()>& repaint) {
  if (form.List1.lines.empty()) {
    dialogs.Beep();
    dialogs.Message("Nothing to save");
    return;
  }
  form.Label1.caption =
      "Please choose a temporary directory when saving your provisory file of pre-registered players";
  if (repaint) repaint();
  const auto name = dialogs.ChooseSaveFile("Save Workfile", WorkfileFilter, db.setup.PreRegFile.str());
  if (!name || name->empty()) return;
  if (auto error = WriteFileAtomically(*name, WorkfileBytes(form.List1.lines, form.List2.lines))) {
    dialogs.Message("The workfile " + *name + " could not be written.\r" + *error, Buttons::Ok, Icon::Critical);
    return;
  }
  db.setup.PreRegFile = TextField::Of(SafeFileText(*name));
  if (auto error = SaveSetup(db.location, db.setup)) SetupNotSaved(dialogs, *error);
  form.caption = std::string(TurnCaption) + " - " + *name;
  dialogs.Message("Selected players saved as " + *name);
}

void Command7Click(TurnForm& form, Database& db, Dialogs& dialogs) {
  if (!form.List1.lines.empty()) {
    dialogs.Beep();
    if (dialogs.Message("Selected players will be erased\rProceed?", Buttons::OkCancel, Icon::Question) !=
        Answer::Ok)
      return;
  }
  // The remembered name is given up only for the file that takes its place.
  const auto name = dialogs.ChooseOpenFile("Load Workfile", WorkfileFilter, WorkfileDirectory(db.setup.PreRegFile.str()));
  if (!name || name->empty()) return;
  const WorkfileRead read = ReadWorkfile(*name, db.players.PlayerCount);
  if (!read.content) {
    dialogs.Message(read.problem, Buttons::Ok, read.problem == ErrorOpeningFile ? Icon::None : Icon::Warning);
    return;
  }
  FillLists(form, db, *read.content);
  db.setup.PreRegFile = TextField::Of(SafeFileText(*name));
  if (auto error = SaveSetup(db.location, db.setup)) SetupNotSaved(dialogs, *error);
  form.caption = "Players for QTP tournament - " + *name;
  if (read.content->dropped > 0) dialogs.Message(DroppedLinesNote(read.content->dropped), Buttons::Ok, Icon::Information);
}

void Command5Click(TurnForm& form, const Database& db, Dialogs& dialogs) {
  std::vector<SortedList::Item> lines = form.List1.lines;
  const ExportOutcome out = ExportToTournament(lines, db, dialogs);
  if (lines.size() != form.List1.lines.size()) {
    // The validation took lines out: their players can be picked again.
    form.List1.lines = std::move(lines);
    form.List1.selected.clear();
    form.List1.listIndex = -1;
    form.List1.topIndex = 0;
    ShowNameCells(form, db);
  }
  UpdateCounters(form);
  if (out.kind == ExportOutcome::Kind::Written) dialogs.Message(out.message);
}

void Command6Click(TurnForm& form, Dialogs& dialogs) {
  if (!form.List1.lines.empty() &&
      dialogs.Message("Leave the list of selected players?", Buttons::OkCancel) != Answer::Ok)
    return;
  form.close = true;
}

}  // namespace hrs
