#include "core/control/control_centre_modes.h"
#include "core/control/file_overview.h"
#include "core/control/tournament_collection.h"
#include "core/control/tournament_removal.h"
#include "core/data/registry_file.h"
#include "core/data/transaction_names.h"
#include "core/text/numeric.h"
#include "core/text/sorted_list.h"

namespace hrs {

void Option4Click(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  ChooseMode(form, ControlMode::RemoveTournament);
  ResetControlCentre(form);
  form.Command1.enabled = true;
  form.command1Default = true;
  form.List1.Clear();
  form.Text1.text = std::to_string(db.setup.RatingYear);
  form.Label1.visible = true;
  RemoveTournamentStep(form, db, dialogs, clock);
}

void RemoveTournamentStep(ControlCentreForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  const int year = static_cast<int>(LeadingNumber(form.Text1.text));
  if (form.List1.lines.empty()) {
    form.List2.Clear();
    form.List2.enabled = true;
    for (const auto& line : CompanionFileLines(db.location)) form.List2.AddLine(line);
    form.Label8.caption = CollectionHeader();
    form.Label8.visible = true;
    form.label7Font = FontSansSerif;
    form.Label7.caption = " DblClick the tournament to remove ";
    form.Label7.visible = true;
    auto lines = ReadRegistryLines(db.location, year);
    if (!lines) {
      dialogs.Beep();
      dialogs.Message(RegistryNotOpened);
      return;
    }
    for (const auto& line : RemovalLines(*lines)) form.List1.AddLine(line);
    form.List1.enabled = true;
    form.List1.selected.clear();
    form.List1.listIndex = -1;
    return;
  }

  const int index = form.List1.selected.empty() ? -1 : form.List1.selected.front();
  const std::string file = index < 0 ? std::string() : FileOfCandidateLine(form.List1.lines[static_cast<size_t>(index)].line);
  switch (RemoveTournament(db, year, file, dialogs)) {
    case TournamentRemoval::Cancelled:
      form.List1.selected.clear();
      return;
    case TournamentRemoval::Refused:
      return;
    case TournamentRemoval::Removed:
      ResetControlCentre(form);
      Option1Click(form, db, dialogs, clock);
      return;
  }
}

}  // namespace hrs
