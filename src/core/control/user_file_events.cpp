#include <algorithm>
#include <filesystem>

#include "core/control/control_centre_modes.h"
#include "core/control/user_file_import.h"
#include "core/data/file_io.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

// The review lines of the records; the unread-records line, last in the
// list, is none.
std::vector<std::string> ListLines(const ListBox& list) {
  std::vector<std::string> lines;
  lines.reserve(list.lines.size());
  for (const auto& item : list.lines)
    if (item.value != UnreadLineValue) lines.push_back(item.line);
  return lines;
}

void AddUnreadLine(ControlCentreForm& form) {
  if (!form.unreadLine.empty()) form.List1.AddLine(form.unreadLine, UnreadLineValue);
}

int CurrentLine(const ControlCentreForm& form) {
  const int i = form.List1.selected.empty() ? form.List1.listIndex : form.List1.selected.front();
  return i >= 0 && i < static_cast<int>(form.List1.lines.size()) ? i : -1;
}

void EmptyFields(ControlCentreForm& form, const Database& db) {
  for (const char* f : {"Text2", "Text3", "Text4", "Text5", "Text6"}) SetEntryText(form, db, f, "");
}

void StartCorrection(ControlCentreForm& form, const Database& db) {
  ResetControlCentre(form);
  form.correcting = true;
  form.List1.enabled = true;
  form.Command1.enabled = false;
  form.Command3.caption = "&Correct";
  form.Command3.enabled = true;
  form.command3Default = true;
  form.Command4.enabled = true;
  form.Command9.enabled = true;
  for (Button* b : {&form.Command5, &form.Command6, &form.Command7, &form.Command8}) b->enabled = false;
  for (TextBox* t : {&form.Text1, &form.Text2, &form.Text3, &form.Text4, &form.Text5, &form.Text6}) t->enabled = true;
  form.Text1.text = std::to_string(db.setup.RatingYear);
  for (Label* l : {&form.Label1, &form.Label2, &form.Label3, &form.Label4, &form.Label5, &form.Label6, &form.Label8,
                   &form.Label10, &form.Label11})
    l->visible = true;
  form.Label4.caption = "Player 1";
  form.Label5.caption = "Player 2";
  form.Label6.caption = "Result";
  form.Label8.caption = ReviewHeader;
  form.label7Font = FontSansSerif;
  form.Label7.caption = CorrectionHelp;
  form.Label7.visible = true;
}

// Writes the list to the month files. True when they took it; otherwise
// nothing was written and the lines stay in the list for another Save File.
bool WriteList(ControlCentreForm& form, Database& db, Dialogs& dialogs) {
  const auto error = WriteUserLines(db, ListLines(form.List1));
  if (!error) return true;
  std::vector<SortedList::Item> kept = std::move(form.List1.lines);
  if (!form.correcting) StartCorrection(form, db);
  form.List1.Clear();
  form.List1.lines = std::move(kept);
  AddUnreadLine(form);
  EmptyFields(form, db);
  dialogs.Beep();
  dialogs.Message(NotWrittenMessage(*error), Buttons::Ok, Icon::Critical);
  return false;
}

}  // namespace

void Option6Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  ChooseMode(form, ControlMode::UserFile);
  ResetControlCentre(form);
  form.Label8.caption.clear();
  form.Command1.enabled = true;
  form.List1.Clear();
  ImportUserFile(form, db, dialogs, clock);
  form.Label8.caption = ReviewHeader;
}

void ImportUserFile(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  if (form.correcting) return;
  if (dialogs.Message(UserFileRules, Buttons::OkCancel, Icon::Information, UserFileRulesTitle) != Answer::Ok) return;
  const auto chosen = dialogs.ChooseOpenFile("Open", "All files (*.*)", db.location.DataDir().string());
  if (!chosen || chosen->empty()) return;
  const std::string file = *chosen;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    dialogs.Beep();
    dialogs.Message("Error opening file " + file);
    return;
  }
  const auto bytes = ReadWholeFile(file);
  if (!bytes) {
    dialogs.Beep();
    dialogs.Message(CantRead2);
    return;
  }
  form.userFile = file;
  form.unreadLine.clear();
  form.List1.Clear();
  form.List1.enabled = false;
  for (Button* b : {&form.Command5, &form.Command6, &form.Command7, &form.Command8}) b->enabled = false;
  form.Label8.caption = ReviewHeader;
  form.Label8.visible = true;

  const UserRecordChecker checker(db, Yyyymmdd(clock.Today()));
  size_t errors = 0;
  const UserFileRecords read = ReadUserFile(*bytes);
  for (const auto& record : read.records) {
    std::string line = checker.ReviewLine(record);
    if (IsErrorLine(line)) ++errors;
    form.List1.AddLine(std::move(line));
  }
  form.unreadLine = UnreadRecordsLine(read);
  AddUnreadLine(form);
  form.List1.enabled = true;

  if (errors == 0) {
    form.Command3.enabled = true;
    if (dialogs.Message(NoErrorsQuestion, Buttons::YesNo, Icon::Question, NoErrorsTitle) != Answer::Yes) return;
    const bool erase = dialogs.Message(EraseQuestion, Buttons::YesNo, Icon::Question, EraseTitle) == Answer::Yes;
    // The user file goes only once its results are in the month files.
    if (!WriteList(form, db, dialogs)) return;
    if (erase) {
      std::error_code rc;
      if (std::filesystem::remove(file, rc)) dialogs.Message(ErasedMessage(file));
      else dialogs.Message("The file " + file + " could not be erased.\rDon't import this file again (better move, rename or erase)");
    } else {
      dialogs.Message(UntouchedMessage(file));
    }
    dialogs.Message(WithUnreadLine(MatchResultsAdded, form.unreadLine));
    ResetControlCentre(form);
    Option1Click(form, db, dialogs, clock);
    return;
  }

  dialogs.Beep();
  for (;;) {
    const auto answer = dialogs.Input(ErrorsChoicePrompt(errors), ErrorsChoiceTitle, "");
    if (!answer || Trim(*answer).empty() || Trim(*answer) == "1") return;
    if (Trim(*answer) == "2") break;
  }
  dialogs.Message(CorrectionStart);
  StartCorrection(form, db);
}

void List1Click(ControlCentreForm& form, const Database& db, int index) {
  if (index < 0 || index >= static_cast<int>(form.List1.lines.size())) return;
  form.List1.selected = {index};
  form.List1.listIndex = index;
  if (form.mode != ControlMode::UserFile || !form.correcting) return;
  const std::string& line = form.List1.lines[static_cast<size_t>(index)].line;
  if (!IsErrorLine(line)) {
    EmptyFields(form, db);
    return;
  }
  auto part = [&](size_t from, size_t count) { return from < line.size() ? line.substr(from, count) : std::string(); };
  SetEntryText(form, db, "Text2", part(4, 2));
  SetEntryText(form, db, "Text3", part(6, 2));
  SetEntryText(form, db, "Text4", Trim(part(10, 8)));
  SetEntryText(form, db, "Text5", Trim(part(20, 8)));
  SetEntryText(form, db, "Text6", part(30, 1));
}

void CorrectUserLine(ControlCentreForm& form, const Database& db, const Clock& clock) {
  const int index = CurrentLine(form);
  if (index < 0 || !IsErrorLine(form.List1.lines[static_cast<size_t>(index)].line)) return;
  for (TextBox* t : {&form.Text2, &form.Text3})
    if (t->text.size() == 1) t->text = "0" + t->text;
  auto value = [](const std::string& t) { return std::to_string(static_cast<long long>(LeadingNumber(t))); };
  const UserRecord record{form.Text1.text + form.Text2.text + form.Text3.text, value(form.Text4.text),
                          value(form.Text5.text), form.Text6.text};
  form.List1.lines[static_cast<size_t>(index)].line = UserRecordChecker(db, Yyyymmdd(clock.Today())).ReviewLine(record, true);
}

void Command9Click(ControlCentreForm& form) {
  if (form.mode != ControlMode::UserFile || !form.Command9.enabled) return;
  const int index = CurrentLine(form);
  if (index < 0 || !IsErrorLine(form.List1.lines[static_cast<size_t>(index)].line)) return;
  form.List1.lines.erase(form.List1.lines.begin() + index);
  form.List1.selected.clear();
  form.List1.listIndex = -1;
  for (TextBox* t : {&form.Text2, &form.Text3, &form.Text4, &form.Text5, &form.Text6}) t->text.clear();
  form.Label10.caption.clear();
  form.Label11.caption.clear();
}

void Command4Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  if (form.mode != ControlMode::UserFile || !form.Command4.enabled) return;
  const auto& lines = form.List1.lines;
  const auto error = std::find_if(lines.begin(), lines.end(), [](const SortedList::Item& i) { return IsErrorLine(i.line); });
  if (error != lines.end()) {
    const int index = static_cast<int>(error - lines.begin());
    form.List1.selected = {index};
    form.List1.listIndex = index;
    dialogs.Beep();
    dialogs.Message(ErrorsRemain, Buttons::Ok, Icon::Information, ErrorsRemainTitle);
    return;
  }
  if (!WriteList(form, db, dialogs)) return;
  dialogs.Message(WithUnreadLine(ValidatedResultsAdded, form.unreadLine));
  ResetControlCentre(form);
  Option1Click(form, db, dialogs, clock);
}

}  // namespace hrs
