// dbLocal2's playoff: qualification view, pairing, bracket and its results.
#include <algorithm>

#include "core/text/align.h"
#include "core/text/numeric.h"
#include "core/tournament/local2_form.h"
#include "core/tournament/playoff.h"

namespace hrs {

namespace {

inline constexpr const char* PlayoffHelpText =
    "Enter the results of the single-elimination playoff matches. "
    "When all results have been entered for a round "
    "the pairing for the next round is ready. "
    "Please enter the result 9-9 for the match of 3rd and 4th place "
    "if this match is NOT played.";

bool Starred(const SortedList::Item& item) { return !item.line.empty() && item.line[0] == '*'; }

int StarCount(const Local2Form& form) {
  return static_cast<int>(std::count_if(form.List1.lines.begin(), form.List1.lines.end(), Starred));
}

std::string WrongCountText(int count, int size) {
  return std::to_string(count) + " players selected, must be " + std::to_string(size);
}

}  // namespace

void lt2mnu_poClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  form.view = Local2Form::View::Qualification;
  form.Command3.visible = form.Check1.visible = false;
  form.Check2.visible = true;
  ShowResultFields(form, false);
  form.qualificationMode = true;
  RunStandings(form, t, db, dialogs);
  form.focus.clear();
  if (!t.resultsComplete) {
    dialogs.Beep();
    dialogs.Message("Some match results are missing");
    return;
  }
  form.FillList1(QualificationLines(t, db.players));
  form.Label1.visible = form.Label2.visible = true;
  form.Label2.caption = QualificationCaption;
  form.captionFont = "Sans Serif";
  form.Label1.caption = QualificationText(t);
}

void List1DblClick(Local2Form& form, int index) {
  if (!form.qualificationMode || index < 0 || index >= static_cast<int>(form.List1.lines.size())) return;
  std::string& line = form.List1.lines[static_cast<size_t>(index)].line;
  if (line.empty()) return;
  line[0] = line[0] == '*' ? ' ' : '*';
}

void Check2Click(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  lt2mnu_poClick(form, t, db, dialogs);
}

void lt2mnu_pairClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  form.qualificationMode = false;
  RunStandings(form, t, db, dialogs);
  if (!t.resultsComplete) {
    dialogs.Beep();
    dialogs.Message("Some match results are still missing");
    return;
  }
  ShowResultFields(form, false);
  int size = 0;
  while (size == 0) {
    const auto answer = dialogs.Input("How many players?\rPlease answer 4 or 8", "", "");
    if (!answer || Trim(*answer).empty()) return;
    if (Trim(*answer) == "4" || Trim(*answer) == "8") size = std::stoi(Trim(*answer));
  }
  const int stars = StarCount(form);
  if (stars == 0) {
    dialogs.Beep();
    dialogs.Message("No players selected\rPlease run Display/Playoff Qualification");
    return;
  }
  if (stars != size) {
    dialogs.Beep();
    dialogs.Message(WrongCountText(stars, size));
    form.qualificationMode = true;
    return;
  }
  if (BracketFileExists(db.location, t.base)) {
    dialogs.Beep();
    const Answer a = dialogs.Message(
        "Playoff pairing has been made already\rPlease confirm new pairing\rMatch results will be erased if any\r"
        "if you answer 'OK' now and press 'Pair' later.",
        Buttons::OkCancel, Icon::Question, "New pairing for the playoff");
    if (a != Answer::Ok) return;
  }
  form.playoffSize = size;
  form.Check2.visible = false;
  form.Check1.visible = form.Command3.visible = true;
  form.Label1.caption += " When you click 'Pair' the stars will disappear";
}

void Command3Click(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs, Random& random) {
  const int stars = StarCount(form);
  if (stars == 0) {
    dialogs.Beep();
    return;
  }
  if (stars != form.playoffSize) {
    dialogs.Beep();
    dialogs.Message(WrongCountText(stars, form.playoffSize));
    return;
  }
  form.Check2.value = t.header.TwoOneOn();
  form.Label1.caption.clear();
  form.Label2.caption.clear();
  // Rank across the groups by points, point ratio and duel ratio as the
  // qualification line shows them; equal keys keep the list's order.
  std::vector<const SortedList::Item*> starred;
  for (const auto& item : form.List1.lines)
    if (Starred(item)) starred.push_back(&item);
  auto key = [](const SortedList::Item* i) { return i->line.size() > 4 ? i->line.substr(4, 16) : std::string(); };
  std::stable_sort(starred.begin(), starred.end(), [&](auto* a, auto* b) { return key(a) > key(b); });
  std::vector<int> ranked;
  for (const auto* item : starred) ranked.push_back(item->value);

  const Seeding seeding = MakePairing(t, ranked, form.Check1.value, random, db.players);
  form.view = Local2Form::View::Pairing;
  form.qualificationMode = false;
  form.FillList1(PairingLines(seeding));
  // The automatic saves tell a failure themselves; the next change writes again.
  GoOnPast(SaveSeedingFile(db.location, t, seeding, dialogs));
  GoOnPast(SaveBracketFile(db.location, t, dialogs));
  form.Command3.visible = form.Check1.visible = false;
}

void lt2mnu_rpClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  form.view = Local2Form::View::Playoff;
  form.playoffMode = true;
  form.qualificationMode = false;
  HidePairingControls(form);
  ShowResultFields(form, true);
  form.Label2.caption.clear();
  if (!LoadBracket(db.location, t)) {
    t.playoffSize = 0;
    t.playoff = PlayoffTable{};
    form.FillList1();
    dialogs.Beep();
    dialogs.Message("File of single-elimination\rpairing not found.\r\rDid you make it?", Buttons::Ok, Icon::Warning);
    return;
  }
  form.FillList1(BracketLines(t, db.players, 36));
  form.Label1.visible = true;
  form.Label1.caption = PlayoffHelpText;
  form.focus = "Text1";
}

void PlayoffEnter(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  const TextBox* fields[] = {&form.Text1, &form.Text2, &form.Text3};
  const char* names[] = {"Text1", "Text2", "Text3"};
  double v[3];
  for (int i = 0; i < 3; ++i) {
    if (!IsNumeric(fields[i]->text)) {
      form.focus = names[i];
      return;
    }
    v[i] = *NumericValue(fields[i]->text);
  }
  if (v[0] < 1 || v[0] > 16) {
    form.focus = "Text1";
    return;
  }
  // Duel counts stay whole and small: the bracket file holds them as such.
  for (int i = 1; i < 3; ++i) {
    if (v[i] < 0 || v[i] > 9 || v[i] != static_cast<int>(v[i])) {
      form.focus = names[i];
      return;
    }
  }
  const int number = static_cast<int>(v[0]);
  const auto a = static_cast<int16_t>(v[1]), b = static_cast<int16_t>(v[2]);
  if (a == b && a != 9) {
    form.focus = "Text2";
    return;
  }
  const auto match = FindPlayoffMatch(t, number);
  if (!match) {
    form.focus = "Text1";
    return;
  }
  if (PlayoffHasResult(t, *match)) {
    dialogs.Beep();
    const Answer answer = dialogs.Message("Please confirm change of result\rNo further validation is done.",
                                          Buttons::OkCancel, Icon::Warning, "Change of result");
    if (answer != Answer::Ok) {
      ClearFields(form);
      form.focus = "Text1";
      return;
    }
  }
  t.playoff.At(match->row, WonColumn(match->round)) = a;
  t.playoff.At(match->row + 1, WonColumn(match->round)) = b;
  AdvanceWinners(t);
  form.FillList1(BracketLines(t, db.players, 39));
  const std::string head = RightAlign(number, 3);
  for (size_t i = 0; i < form.List1.lines.size(); ++i) {
    if (form.List1.lines[i].line.compare(0, 3, head) == 0) {
      form.List1.listIndex = static_cast<int>(i);
      form.List1.selected = {static_cast<int>(i)};
      break;
    }
  }
  GoOnPast(SaveBracketFile(db.location, t, dialogs));  // told; the next result writes again
  ClearFields(form);
  form.focus = "Text1";
}

}  // namespace hrs
