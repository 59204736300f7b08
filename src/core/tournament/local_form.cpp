#include "core/tournament/local_form.h"

#include "core/text/numeric.h"
#include "core/tournament/schedule.h"
#include "core/tournament/tournament_files.h"
#include "core/tournament/tournament_lines.h"
#include "core/tournament/tournament_replacement.h"

namespace hrs {

std::string SelectionHelpText() {
  return std::string("This module supports a tournament for 8 - 48 players with single-elimination playoff ") +
         " for 4 or 8 players. Maximum 8 rounds to find the winner." + "\r" +
         "Click players to select, click selected players to remove." + "\r" + "When ready click Perform/Make Groups.";
}

std::string GroupingHelpText() {
  return std::string("One group must be 4, 5 or 6 players. Maximum 8 groups. ") +
         "Examples: 10 players = 2 groups, 20 players = 4 or 5 groups, 40 players = 7 or 8 groups. " +
         "Choose as few groups as possible.";
}

std::string ReadMeText() {
  return std::string("Round-Robin Tournament files are named by date. The file format is LTyymmdd") + "\r" +
         "You can run one tournament per day. When you start selecting players" + "\r" +
         "for a new tournament the files named with to-day's date are overwritten if any." + "\r" +
         "The Load menu item is only necessary if you exited the tournament module" + "\r" +
         "before the tournament was completed or you want to look at an old tournament." + "\r" +
         "All tournament files are auto saved, so you don't need a Save menu item." + "\r" +
         "The Delete menu item is used to clean up the directory." + "\r\r" +
         "Option with different group sizes: Award a 2-1 victory to all players in smaller groups." + "\r" +
         "You will be prompted.";
}

namespace {

// Any change of the selection discards the groups.
void ClearGroups(LocalForm& form) {
  for (int g = 1; g <= MaxGroups; ++g) {
    form.Group[g].Clear();
    if (g > 5) form.Group[g].visible = false;
  }
  form.groupsMade = false;
  form.groupCount = 0;
  form.members = {};
}

void ShowCount(LocalForm& form) { form.Text1.text = std::to_string(form.SelectedList.lines.size()); }

void ShowTournamentList(LocalForm& form, const Database& db, const char* none, const char* hint) {
  form.FileList.Clear();
  for (const std::string& base : TournamentList(db.location)) form.FileList.AddLine(base);
  form.FileList.visible = true;
  form.FileCaption.visible = true;
  if (form.FileList.lines.empty()) {
    form.FileCaption.caption = none;
  } else {
    form.FileCaption.caption = "Tournaments";
    form.Label1.caption = hint;
  }
}

void HideTournamentList(LocalForm& form) {
  form.FileList.visible = false;
  form.FileCaption.visible = false;
}

std::optional<int> AskGroupCount(int n, Dialogs& dialogs) {
  const GroupBounds bounds = GroupBoundsFor(n);
  if (bounds.minimum == bounds.maximum) return bounds.minimum;
  const std::string prompt = std::to_string(n) + " players selected" + "\r\r" + "How many groups (" +
                             std::to_string(bounds.minimum) + " - " + std::to_string(bounds.maximum) + ")";
  for (;;) {
    const auto answer = dialogs.Input(prompt, "Number of groups", "");
    if (!answer || Trim(*answer).empty()) return std::nullopt;
    const auto value = NumericValue(*answer);
    if (!value || *value < 2 || *value > MaxGroups) {
      dialogs.Beep();
      continue;
    }
    const int g = static_cast<int>(*value);
    if (g * MaxGroupSize < n) {
      dialogs.Beep();
      dialogs.Message("Too few groups. Must be minimum " + std::to_string(bounds.minimum));
      continue;
    }
    if (static_cast<double>(n) / g < 4) {
      dialogs.Beep();
      dialogs.Message("Too many groups. Must be maximum " + std::to_string(bounds.maximum));
      continue;
    }
    return g;
  }
}

}  // namespace

void LocalFormLoad(LocalForm& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  form.close = form.openLocal2 = false;
  const auto lines = SelectionLines(db.players);
  if (lines.empty()) {
    dialogs.Beep();
    dialogs.Message("No players in the database");
    form.close = true;
    return;
  }
  t.matchProgram = false;
  form.SelectionList.Clear();
  form.SelectionList.lines = lines;
  form.SelectedList.Clear();
  ShowCount(form);
  ClearGroups(form);
  HideTournamentList(form);
  form.Label1.caption = SelectionHelpText();
}

void ltmnu_callClick(LocalForm& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  LocalFormLoad(form, t, db, dialogs);
}

void LocalFormUnload(SmallTournament& t) { t.matchProgram = false; }

void SelectionListClick(LocalForm& form, int index, Dialogs& dialogs) {
  if (form.SelectedList.lines.size() >= static_cast<size_t>(MaxTournamentPlayers)) {
    dialogs.Beep();
    return;
  }
  if (form.groupsMade) ClearGroups(form);
  if (index < 0 || static_cast<size_t>(index) >= form.SelectionList.lines.size()) return;
  SortedList::Item& item = form.SelectionList.lines[static_cast<size_t>(index)];
  if (Trim(item.line).empty()) return;
  form.SelectedList.AddLine(SelectedLine(item.line, index + 1), item.value);
  item.line = " ";
  ShowCount(form);
}

void SelectedListClick(LocalForm& form, int index) {
  if (form.groupsMade) ClearGroups(form);
  if (index < 0 || static_cast<size_t>(index) >= form.SelectedList.lines.size()) return;
  const SortedList::Item item = form.SelectedList.lines[static_cast<size_t>(index)];
  const int position = SelectedPosition(item.line);
  if (position >= 1 && static_cast<size_t>(position) <= form.SelectionList.lines.size() && item.line.size() >= 7)
    form.SelectionList.lines[static_cast<size_t>(position - 1)] = {item.line.substr(0, item.line.size() - 7),
                                                                    item.value};
  form.SelectedList.lines.erase(form.SelectedList.lines.begin() + index);
  form.SelectedList.selected.clear();
  form.SelectedList.listIndex = -1;
  ShowCount(form);
}

void ltmnu_grupClick(LocalForm& form, SmallTournament&, const Database& db, Dialogs& dialogs, Random& random,
                     const std::function<void()>& repaint) {
  HideTournamentList(form);
  for (int g = 6; g <= MaxGroups; ++g) form.Group[g].visible = false;
  if (form.SelectionList.lines.empty()) {
    dialogs.Beep();
    return;
  }
  ClearGroups(form);
  for (int g = 1; g <= 5; ++g) form.Group[g].visible = true;
  random.Randomize();
  const int n = static_cast<int>(form.SelectedList.lines.size());
  if (n == 0) {
    dialogs.Beep();
    return;
  }
  if (n < MinTournamentPlayers || n > MaxTournamentPlayers) {
    dialogs.Beep();
    dialogs.Message(n < MinTournamentPlayers ? "Too few players (minimum 8)" : "Too many players (max 48)");
    return;
  }
  form.Label1.caption = GroupingHelpText();
  if (repaint) repaint();
  const auto groups = AskGroupCount(n, dialogs);
  if (!groups) return;

  std::vector<int> ids;
  for (const auto& item : form.SelectedList.lines) ids.push_back(item.value);
  form.members = form.Check1.value ? DistributeRandomly(ids, *groups, random)
                                   : DistributeByRating(ids, *groups, db.players);
  for (int g = 1; g <= *groups; ++g) {
    ListBox& list = form.Group[g];
    list.AddLine("Group " + std::to_string(g));
    for (int id : form.members[static_cast<size_t>(g)]) list.AddLine(db.players[id].Name.str(), id);
    list.visible = true;
  }
  form.groupsMade = true;
  form.groupCount = *groups;
  form.Label1.caption = GroupsReadyText;
}

void ltmnu_matchClick(LocalForm& form, SmallTournament& t, const Database& db, Dialogs& dialogs,
                      const Clock& clock) {
  HideTournamentList(form);
  if (t.matchProgram) {
    dialogs.Beep();
    dialogs.Message("The match program for tournament " + t.base + " is active already" + "\r");
    return;
  }
  if (form.SelectedList.lines.empty()) {
    dialogs.Beep();
    dialogs.Message("Please select players and make groups");
    return;
  }
  if (!form.groupsMade) {
    dialogs.Beep();
    dialogs.Message("Please make the groups");
    return;
  }
  SmallTournament next;
  bool sameSize = true;
  for (int g = 1; g <= MaxGroups; ++g) {
    const auto& members = form.members[static_cast<size_t>(g)];
    next.sizes[g] = static_cast<int>(members.size());
    for (size_t p = 0; p < members.size(); ++p)
      next.groups.At(g, static_cast<int>(p + 1), GfSysId) = static_cast<int16_t>(members[p]);
    if (next.sizes[g] != 0 && next.sizes[g] != next.sizes[1]) sameSize = false;
  }
  const MatchProgramFigures figures = FiguresOf(next.sizes);
  const std::string question = std::to_string(form.SelectedList.lines.size()) + " players in the tournament." +
                               "\r" + "The group play will be " + std::to_string(figures.matches) + " matches in " +
                               std::to_string(figures.rounds) + " rounds." + "\r" + "You will need " +
                               std::to_string(figures.tables) + " tables.";
  if (dialogs.Message(question, Buttons::OkCancel, Icon::Question, "Ready to make the match program") != Answer::Ok)
    return;
  const DayTournament day = TournamentOfTheDay(db.location, TournamentBaseFor(clock.Today()), db.setup.RatingYear);
  if (day.HoldsWork()) {
    dialogs.Beep();
    if (dialogs.Message(ReplaceTournamentQuestion(day), Buttons::YesNoDefaultNo, Icon::Warning,
                        ReplaceTournamentTitle) != Answer::Yes)
      return;
  }

  next.matches = BuildMatchTable(next.sizes, next.groups);
  next.base = TournamentBaseFor(clock.Today());
  next.header.Groups = static_cast<int16_t>(form.groupCount);
  next.header.Rounds = static_cast<int16_t>(figures.rounds);
  next.header.Tables = static_cast<int16_t>(figures.tables);
  if (dialogs.Message("Is this a sanctioned tournament?", Buttons::YesNo, Icon::Question, "Sanctioned?") ==
      Answer::Yes) {
    next.header.Sanctioned = 1;
    const auto id = dialogs.Input("Please enter Event Id", "Sanctioned?", "");
    if (!id || Trim(*id).empty()) next.header.Sanctioned = 0;
    else next.header.EventId = SafeFileText(FirstChars(*id, EventIdLength));
  }
  if (!sameSize) {
    const std::string text = std::string("Number of players per group is not the same.") + "\r\r" +
                             "Do you want to award a 2-1 victory to all" + "\r" + "players in smaller groups?" +
                             "\r" + "If you do the match point ratio will be disabled.";
    if (dialogs.Message(text, Buttons::YesNo, Icon::Question, "Disable match point ratio as a tiebreaker?") ==
        Answer::Yes)
      next.header.TwoOneOption = 1;
  }
  t = std::move(next);
  // A file not written has been told; the tournament goes on from memory and
  // its next change writes the files again.
  GoOnPast(WriteNewTournament(db.location, t, dialogs));
  t.matchProgram = true;
  form.openLocal2 = true;
}

void ltmnu_rmClick(Dialogs& dialogs) { dialogs.Message(ReadMeText()); }

void ltmnu_loadClick(LocalForm& form, const Database& db) {
  form.deleteMode = false;
  ShowTournamentList(form, db, "No files to load", " Click the tournament to load");
}

void ltmnu_delClick(LocalForm& form, const Database& db) {
  form.deleteMode = true;
  ShowTournamentList(form, db, "No tournaments to delete", " Click the tournament to delete");
}

void FileListClick(LocalForm& form, int index, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  if (index < 0 || static_cast<size_t>(index) >= form.FileList.lines.size()) return;
  const std::string base = form.FileList.lines[static_cast<size_t>(index)].line;
  if (!form.deleteMode) {
    if (!LoadTournament(db.location, base, t, dialogs)) return;
    HideTournamentList(form);
    form.openLocal2 = true;
    return;
  }
  const std::string question = "Please confirm deletion of tournament " + base + "\r" +
                               "Output file for the ranking system will NOT be erased";
  if (dialogs.Message(question, Buttons::OkCancel, Icon::Question, "Deletion of tournament") != Answer::Ok) return;
  const auto failed = DeleteTournamentFiles(db.location, base);
  if (!failed.empty()) {
    std::string names;
    for (const auto& name : failed) names += (names.empty() ? "" : ", ") + name;
    dialogs.Beep();
    dialogs.Message("Tournament " + base + " could not be deleted completely." + "\r" +
                        "These files are still there: " + names,
                    Buttons::Ok, Icon::Warning);
    ShowTournamentList(form, db, "No tournaments to delete", " Click the tournament to delete");
    return;
  }
  form.FileList.Clear();
  HideTournamentList(form);
  dialogs.Message("Tournament " + base + " successfully deleted");
  form.deleteMode = false;
}

void ltmnu_exClick(LocalForm& form) { form.close = true; }

}  // namespace hrs
