#include <algorithm>

#include "core/control/control_centre_modes.h"
#include "core/control/duel_count.h"
#include "core/control/file_overview.h"
#include "core/control/result_overview.h"
#include "core/text/numeric.h"

namespace hrs {

void Option1Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock&) {
  ChooseMode(form, ControlMode::FileOverview);
  ResetControlCentre(form);
  form.Command1.enabled = true;
  form.Text1.text = std::to_string(db.setup.RatingYear);
  form.focus = "Text1";
  form.Label1.visible = true;
  ShowFileOverview(form, db, dialogs);
}

void ShowFileOverview(ControlCentreForm& form, Database& db, Dialogs& dialogs) {
  form.Text1.text = std::to_string(db.setup.RatingYear);
  form.List1.enabled = true;
  form.List1.Clear();
  const FileOverview overview = BuildFileOverview(db, MissingRegistry::Create);
  if (overview.registryProblem) dialogs.Message(*overview.registryProblem, Buttons::Ok, Icon::Warning);
  for (const auto& line : overview.lines) form.List1.AddLine(line);

  form.File2.Clear();
  for (const auto& name : CompanionFileNames(db.location)) form.File2.AddLine(name);
  form.List2.enabled = true;
  form.List2.Clear();
  form.list2Font = "sans serif";
  for (const auto& line : CompanionFileLines(db.location)) form.List2.AddLine(line);
  form.Label8.caption = CollectionHeader();
  form.Label8.visible = true;
}

void Option2Click(ControlCentreForm& form, Database& db, Dialogs&, const Clock&) {
  ChooseMode(form, ControlMode::ResultOverview);
  ResetControlCentre(form);
  form.Command1.enabled = true;
  form.Text1.text = std::to_string(db.setup.RatingYear);
  form.Label1.visible = true;
  form.label7Font = FontCourierNew;
  form.Label7.caption = ResultOverviewHint;
  form.Label7.visible = true;
  form.List1.enabled = true;
  form.List1.Clear();
  for (int m = 1; m <= 12; ++m) form.List1.AddLine(MonthName(m));
}

void ShowResultOverview(ControlCentreForm& form, Database& db, Dialogs& dialogs) {
  // The month is the position of the chosen line, while List1 holds the months.
  const int index = form.List1.listIndex;
  const bool chosen = std::find(form.List1.selected.begin(), form.List1.selected.end(), index) !=
                      form.List1.selected.end();
  if (!chosen || index < 0 || index >= 12 || form.List1.lines.size() != 12 ||
      form.List1.lines[static_cast<size_t>(index)].line != MonthName(index + 1))
    return;
  const int month = index + 1;
  const int year = static_cast<int>(LeadingNumber(form.Text1.text));

  ListShowForm& show = form.listShow;
  show.List1.Clear();
  show.caption = ResultOverviewCaption(db.setup.RatingYear, month);
  show.frameCaption = ResultOverviewHeader;
  show.visible = true;
  show.place = true;
  ResultOverview overview = RunResultOverview(db, year, month, dialogs);
  for (auto& line : overview.lines) show.List1.AddLine(std::move(line));
  if (show.List1.lines.empty()) {
    show.visible = false;
    dialogs.Message(NoResultsToShow);
    form.List1.selected.clear();
    // The counts of the month shown before are no longer beside a list.
    form.Label7.caption = ResultOverviewHint;
    return;
  }
  show.List1.selected = {0};
  show.List1.listIndex = 0;
}

void ListShowClick(ControlCentreForm& form, const Database& db, int index) {
  ListBox& list = form.listShow.List1;
  if (index < 0 || index >= static_cast<int>(list.lines.size())) return;
  list.selected = {index};
  list.listIndex = index;
  if (form.mode != ControlMode::ResultOverview) return;
  form.Label7.caption = DuelDescription(list.lines[static_cast<size_t>(index)].line, list.lines.size(), db.players);
  form.Label7.visible = true;
}

void ListShowClosed(ControlCentreForm& form) { form.listShow.visible = false; }

void Option7Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  ChooseMode(form, ControlMode::CountDuels);
  ResetControlCentre(form);
  form.Text1.text = std::to_string(db.setup.RatingYear);
  form.label7Font = FontCourierNew;
  ShowDuelCount(form, db, dialogs, clock);
}

void ShowDuelCount(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  const DuelCountOutcome count = CountAndKeepDuels(db, clock);
  if (count.saveError)
    dialogs.Message("The count could not be kept in the setup file.\r" + *count.saveError, Buttons::Ok,
                    Icon::Critical);
  form.Label7.caption = DuelCountText(count.total);
  form.Label7.visible = true;
}

}  // namespace hrs
