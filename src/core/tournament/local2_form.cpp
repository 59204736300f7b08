#include "core/tournament/local2_form.h"

#include "core/text/numeric.h"
#include "core/tournament/standings.h"
#include "core/tournament/tournament_files.h"
#include "core/tournament/tournament_lines.h"

namespace hrs {

std::string RoundRobinHelpText() {
  return std::string("Please enter the match results as duel results.") + "\r" + "Supported results are: " +
         "2-0, 2-1, 1-0, 1-1, 0-0, 0-1, 1-2 and 0-2.";
}

void ShowResultFields(Local2Form& form, bool shown) {
  for (TextBox* t : {&form.Text1, &form.Text2, &form.Text3}) t->visible = shown;
  form.Label3.visible = form.Label4.visible = form.Command1.visible = shown;
}

void HidePairingControls(Local2Form& form) {
  form.Command3.visible = false;
  form.Check1.visible = false;
  form.Check2.visible = false;
}

void ClearFields(Local2Form& form) { form.Text1.text = form.Text2.text = form.Text3.text = ""; }

void Local2FormLoad(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  form.close = false;
  form.Check2.value = t.header.TwoOneOn();
  lt2mnu_rrClick(form, t, db, dialogs);
}

void Local2FormActivate(Local2Form& form) {
  if (form.Text1.visible) form.focus = "Text1";
}

void RunStandings(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  t.header.TwoOneOption = static_cast<int16_t>(form.Check2.value ? 1 : 0);
  // The automatic saves tell a failure themselves; the next change writes again.
  GoOnPast(SaveHeaderFile(db.location, t, dialogs));
  ComputeStandings(t);
  GoOnPast(SaveGroupFile(db.location, t, dialogs));
}

void lt2mnu_rrClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  form.view = Local2Form::View::RoundRobin;
  form.qualificationMode = form.playoffMode = false;
  HidePairingControls(form);
  ShowResultFields(form, true);
  form.FillList1(MatchListLines(t, db.players));
  form.Label1.visible = form.Label2.visible = true;
  form.Label1.caption = RoundRobinHelpText();
  form.Label2.caption = RoundRobinCaption;
  form.captionFont = "Courier New";
  RunStandings(form, t, db, dialogs);
  form.focus = "Text1";
}

void Command1Click(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  if (!form.Text1.visible) return;
  if (form.playoffMode) {
    PlayoffEnter(form, t, db, dialogs);
    return;
  }
  const TextBox* fields[] = {&form.Text1, &form.Text2, &form.Text3};
  const char* names[] = {"Text1", "Text2", "Text3"};
  for (int i = 0; i < 3; ++i) {
    if (!IsNumeric(fields[i]->text)) {
      form.focus = names[i];
      return;
    }
  }
  const double match = *NumericValue(form.Text1.text);
  const double a = *NumericValue(form.Text2.text);
  const double b = *NumericValue(form.Text3.text);
  if (match < 1 || match > static_cast<double>(form.List1.lines.size())) {
    form.focus = "Text1";
    return;
  }
  if (a < 0 || a > 2) {
    form.focus = "Text2";
    return;
  }
  if (b < 0 || b > 2) {
    form.focus = "Text3";
    return;
  }
  if (a + b > 3) {
    form.focus = "Text3";
    return;
  }
  const size_t index = static_cast<size_t>(match) - 1;
  SortedList::Item& line = form.List1.lines[index];
  const int round = line.value / 100, table = line.value % 100;
  if (round < 1 || round > t.matches.Rounds() || table < 1 || table > t.matches.Tables()) return;
  const int16_t first = static_cast<int16_t>(a), second = static_cast<int16_t>(b);
  const bool nilNil = first == 0 && second == 0;
  t.matches.At(round, table, MfFirstWon) = nilNil ? NilNilCode : first;
  t.matches.At(round, table, MfSecondWon) = nilNil ? NilNilCode : second;
  line.line = ResultField(t.matches.At(round, table, MfFirstWon), t.matches.At(round, table, MfSecondWon)) +
              line.line.substr(4);
  form.List1.listIndex = static_cast<int>(index);
  form.List1.selected = {static_cast<int>(index)};
  GoOnPast(SaveMatchFile(db.location, t, dialogs));  // told; the next result writes again
  ClearFields(form);
  form.focus = "Text1";
}

void Text2Change(Local2Form& form) {
  if (!form.Text2.text.empty()) form.focus = "Text3";
}

void lt2mnu_standClick(Local2Form& form, SmallTournament& t, const Database& db, Dialogs& dialogs) {
  form.view = Local2Form::View::Standings;
  HidePairingControls(form);
  ShowResultFields(form, false);
  form.qualificationMode = false;
  RunStandings(form, t, db, dialogs);
  form.FillList1(CurrentStandingsLines(t, db.players));
  form.Label1.visible = form.Label2.visible = true;
  form.Label2.caption = CurrentStandingsCaption(t);
  form.captionFont = "Courier New";
  form.Label1.caption = CurrentStandingsText(t);
  form.focus.clear();
}

void lt2mnu_grpClick(Local2Form& form, const SmallTournament& t, const Database& db) {
  form.view = Local2Form::View::Groups;
  HidePairingControls(form);
  form.Label1.visible = form.Label2.visible = false;
  ShowResultFields(form, false);
  form.qualificationMode = false;
  form.FillList1(GroupViewLines(t, db.players));
  form.focus.clear();
}

void lt2mnu_exClick(Local2Form& form, SmallTournament& t) {
  t.matchProgram = false;
  form.close = true;
}

void Command2Click(Local2Form& form) { form.close = true; }

}  // namespace hrs
