#include <algorithm>
#include <filesystem>

#include "core/control/control_centre_modes.h"
#include "core/control/file_overview.h"
#include "core/control/tournament_collection.h"
#include "core/control/tournament_validation.h"
#include "core/data/file_io.h"
#include "core/data/rating_stats_file.h"
#include "core/data/player_file.h"
#include "core/data/registry_file.h"
#include "core/data/transaction_names.h"
#include "core/text/align.h"
#include "core/text/numeric.h"
#include "core/text/sorted_list.h"

namespace hrs {

namespace {

// Every end of an adding action.
void EndAdding(ControlCentreForm& form) {
  form.validationPass = 0;
  form.participants.clear();
  form.participantsLoaded = false;
}

std::string LineFile(const std::string& line) { return FileOfCandidateLine(line); }

// List1 while unknown players are chosen: the current database by name.
void ShowCurrentDatabase(ControlCentreForm& form, const PlayerTable& players) {
  SortedList byName;
  for (int id = 1; id <= players.PlayerCount; ++id) {
    const PlayerRecord& p = players[id];
    if (p.Status != StatusActive) continue;
    byName.Add(p.Name.str() + '\x01' + RightAlign(p.MbShipNo, 8), id);
  }
  form.List1.Clear();
  for (const auto& item : byName.Items()) {
    const size_t cut = item.line.find('\x01');
    form.List1.AddLine(item.line.substr(cut + 1) + " " + item.line.substr(0, cut), item.value);
  }
  form.List1.AddLine(std::string(20, '-'));
  if (form.List1.lines.size() > 1) {
    form.List1.selected = {0};
    form.List1.listIndex = 0;
  }
  form.List1.enabled = true;
}

void ShowUnknownPlayerChoice(ControlCentreForm& form, const Database& db, Dialogs& dialogs) {
  const size_t count = form.List2.lines.size();
  dialogs.Beep();
  dialogs.Message(UnknownPlayersMessage(count));
  form.label7Font = "Sans Serif";
  form.Label7.caption = UnknownPlayersHelp(count);
  form.Label7.visible = true;
  form.Command3.enabled = true;
  form.Command3.caption = "Add Players";
  ShowCurrentDatabase(form, db.players);
  auto& lines = form.List2.lines;
  lines.erase(std::unique(lines.begin(), lines.end(),
                          [](const SortedList::Item& a, const SortedList::Item& b) { return a.line == b.line; }),
              lines.end());
  form.List2.selected.clear();
  form.List2.enabled = true;
  form.Label8.caption = UnknownPlayersHeader;
  form.Label8.visible = true;
  for (Button* b : {&form.Command5, &form.Command6, &form.Command7, &form.Command8}) b->enabled = false;
  form.Text7.enabled = true;
  form.Text7.text.clear();
  form.Frame1.visible = true;
  form.Check1.visible = true;
  form.Check1.value = true;
  form.focus = "Text7";
  form.validationPass = 0;
}

}  // namespace

void Option3Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock&) {
  ChooseMode(form, ControlMode::AddTournament);
  ResetControlCentre(form);
  EndAdding(form);
  form.Command1.enabled = true;
  form.File1.Clear();
  for (const auto& name : TournamentFileNames(db.location)) form.File1.AddLine(name);
  form.List3.Clear();
  if (form.File1.lines.empty()) {
    dialogs.Beep();
    dialogs.Message(NoTournamentFilesInDirectory);
    return;
  }
  form.List2.Clear();
  form.list2Font = "sans serif";
  for (const auto& line : CompanionFileLines(db.location)) form.List2.AddLine(line);
  form.List2.enabled = true;
  form.Label8.caption = CompanionHeader();
  form.Label8.visible = true;
  form.List3.enabled = true;
  for (const auto& name : CandidateLines(form.File1, ReadRegistry(db.location, db.setup.RatingYear)))
    form.List3.AddLine(name);
  if (form.List3.lines.empty()) {
    form.List3.enabled = false;
    dialogs.Message(NoNewTournaments);
    return;
  }
  form.Text1.text = std::to_string(db.setup.RatingYear);
  form.Label1.visible = true;
  form.label7Font = FontSansSerif;
  form.Label7.caption = " DblClick the tournament to add ";
  form.Label7.visible = true;
}

void List3DblClick(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock, int index) {
  if (form.mode != ControlMode::AddTournament || !form.List3.enabled) return;
  if (index < 0 || index >= static_cast<int>(form.List3.lines.size())) return;
  form.List3.selected = {index};
  form.List3.listIndex = index;
  form.validationPass = 0;
  AddTournamentLine(form, db, dialogs, clock, index);
}

void AddSelectedTournament(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  if (form.List3.selected.empty()) return;
  List3DblClick(form, db, dialogs, clock, form.List3.selected.front());
}

void AddTournamentLine(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock, int index) {
  form.tournamentLine = index;
  form.List1.Clear();
  form.List1.enabled = false;
  form.Label8.caption.clear();
  const std::string file = LineFile(form.List3.lines[static_cast<size_t>(index)].line);
  const auto path = FindNoCase(db.location.DataDir(), file);
  const bool own = ToUpper(file.substr(0, 4)) == "RHRS";

  if (!own) {
    const std::string code = file.substr(4, 4);
    auto setup = ReadCompanionSetup(db.location, code);
    if (!setup) dialogs.Message(TournamentSetupNotFound, Buttons::Ok, Icon::Critical, QtpDirectoryNotFound);
    std::optional<std::vector<CompanionParticipant>> table;
    if (setup && setup->value3 != 0) table = ReadParticipants(db.location, code);
    if (table) {
      form.participants = std::move(*table);
      form.participantsLoaded = true;
    } else {
      dialogs.Beep();
      if (dialogs.Message(ParticipantsFailure, Buttons::OkCancel, Icon::Question, ParticipantsFailureTitle) !=
          Answer::Ok) {
        EndAdding(form);
        return;
      }
      form.participants.clear();
      form.participantsLoaded = false;
    }
  }

  const auto year = TournamentYear(path, !own);
  if (!year || *year != db.setup.RatingYear) {
    dialogs.Beep();
    dialogs.Message(FileDateNotRatingYear);
    EndAdding(form);
    return;
  }

  std::vector<std::string> registered;
  const auto registryPath = db.location.DataPath(RegistryFileName(*year));
  std::error_code ec;
  if (std::filesystem::exists(registryPath, ec)) {
    auto lines = ReadRegistryLines(db.location, *year);
    if (!lines) {
      dialogs.Beep();
      dialogs.Message(RegistryUnreadable);
      EndAdding(form);
      return;
    }
    registered = *lines;
  }
  for (const auto& line : registered) form.List1.AddLine(ToUpper(line));
  if (std::any_of(registered.begin(), registered.end(),
                  [&](const std::string& line) { return EqualsNoCase(line, file); })) {
    dialogs.Beep();
    dialogs.Message(RegisteredAlready);
    form.List1.Clear();
    EndAdding(form);
    return;
  }

  // Validation.
  form.List2.Clear();
  form.List2.enabled = false;
  form.list2Font = "Sans Serif";
  form.label7Font = FontSansSerif;
  form.Label7.caption = " Validating the QTP file....";
  form.Label7.visible = true;
  RegisteredTournament done;
  if (own) {
    dialogs.Message(NoErrorsFound);
    done = RegisterUnchanged(db.location, file, *year);
  } else {
    if (form.validationPass == 0) {
      const auto bytes = ReadWholeFile(path);
      if (!bytes) {
        dialogs.Beep();
        dialogs.Message("Error opening file " + file);
        EndAdding(form);
        return;
      }
      if (FirstPassMayTakeAWhile(bytes->size())) form.Label7.caption += "\r  may take a while";
      for (auto& item : FindUnknownPlayers(*bytes, db.players, form.participantsLoaded ? &form.participants : nullptr))
        form.List2.AddLine(std::move(item.line), item.value);
      // Sorted, so that one player's lines stand together and are listed once.
      std::stable_sort(form.List2.lines.begin(), form.List2.lines.end(),
                       [](const SortedList::Item& a, const SortedList::Item& b) { return SortedBefore(a.line, b.line); });
      if (!form.List2.lines.empty()) {
        ShowUnknownPlayerChoice(form, db, dialogs);
        return;
      }
      form.validationPass = 1;
    }
    done = ValidateAndRegister(db.location, path, file, *year, db.players);
  }
  if (done.error) {
    dialogs.Beep();
    dialogs.Message(NotAddedMessage(file, *done.error), Buttons::Ok, Icon::Critical);
    form.Label7.visible = false;
    EndAdding(form);
    return;
  }
  form.Label7.visible = false;
  dialogs.Message(AddedMessage(done.bypassed, done.firstRegistration));
  EndAdding(form);
  Option1Click(form, db, dialogs, clock);
}

void List2Click(ControlCentreForm& form, int index) {
  if (form.mode != ControlMode::AddTournament || !form.List1.enabled || !form.List2.enabled) return;
  if (index < 0 || index >= static_cast<int>(form.List2.lines.size())) return;
  std::string& line = form.List2.lines[static_cast<size_t>(index)].line;
  if (line.empty() || line[0] != '+') line = "+ " + line;
}

void List2RightButton(ControlCentreForm& form, int index) {
  if (form.mode != ControlMode::AddTournament || !form.List1.enabled || !form.List2.enabled) return;
  if (index < 0 || index >= static_cast<int>(form.List2.lines.size())) return;
  std::string& line = form.List2.lines[static_cast<size_t>(index)].line;
  if (!line.empty() && line[0] == '+') line = line.substr(std::min<size_t>(2, line.size()));
}

void AddMarkedPlayers(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  if (form.List2.lines.empty() || form.tournamentLine < 0 ||
      form.tournamentLine >= static_cast<int>(form.List3.lines.size()))
    return;
  const std::string code = ToUpper(LineFile(form.List3.lines[static_cast<size_t>(form.tournamentLine)].line).substr(4, 4));
  std::vector<NewParticipant> marked;
  std::vector<size_t> markedLines;
  for (size_t i = 0; i < form.List2.lines.size(); ++i) {
    const auto& item = form.List2.lines[i];
    if (item.line.empty() || item.line[0] != '+') continue;
    const CompanionParticipant* p = FindParticipant(form.participants, item.value);
    if (!p) continue;
    marked.push_back({p->name, p->mbShipNo});
    markedLines.push_back(i);
  }
  const AddedPlayers added = AddParticipants(db, marked, code, dialogs);
  for (size_t r : added.refused) {
    std::string& line = form.List2.lines[markedLines[r]].line;
    line = line.substr(std::min<size_t>(2, line.size()));
  }
  if (added.error) {
    // Nobody was added: the choice stays on the screen for another try.
    dialogs.Message(*added.error, Buttons::Ok, Icon::Critical);
    return;
  }
  for (int sysId : added.sysIds) {
    form.List1.AddLine(RightAlign(db.players[sysId].MbShipNo, 8) + " " + db.players[sysId].Name.str(), sysId);
    form.List1.selected = {static_cast<int>(form.List1.lines.size()) - 1};
    form.List1.listIndex = form.List1.selected.front();
  }
  auto& lines = form.List2.lines;
  lines.erase(std::remove_if(lines.begin(), lines.end(),
                             [](const SortedList::Item& i) { return !i.line.empty() && i.line[0] == '+'; }),
              lines.end());
  if (dialogs.Message(AddNowQuestion, Buttons::YesNo, Icon::Question, AddNowTitle) != Answer::Yes) {
    form.List1.enabled = false;
    form.List2.enabled = false;
    form.Label7.caption.clear();
    form.label7Font = FontCourierNew;
    form.Label7.visible = false;
    form.Label8.visible = false;
    EndAdding(form);
    Option1Click(form, db, dialogs, clock);
    return;
  }
  form.validationPass = 1;
  form.Command3.enabled = false;
  form.Check1.value = false;
  form.Check1.visible = false;
  form.Text7.enabled = false;
  form.Frame1.visible = false;
  form.Label7.caption.clear();
  form.label7Font = FontCourierNew;
  form.Label8.visible = false;
  AddTournamentLine(form, db, dialogs, clock, form.tournamentLine);
}

}  // namespace hrs
