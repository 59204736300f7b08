#include "core/utilities/util_form.h"

#include <algorithm>

#include "core/utilities/change_to_default.h"
#include "core/utilities/new_year.h"
#include "core/utilities/player_search.h"
#include "core/utilities/rating_adjustments.h"

namespace hrs {

namespace {

constexpr int WideList = 6175;
constexpr int NarrowList = 5775;

void Choose(UtilForm& form, UtilOption option) {
  form.option = option;
  form.Option1.value = option == UtilOption::SearchPlayer;
  form.Option2.value = option == UtilOption::DeletedPlayers;
  form.Option3.value = option == UtilOption::RatingAdjustments;
  form.Option4.value = option == UtilOption::ChangeToDefault;
  form.Option6.value = option == UtilOption::NewYear;
}

void EmptyList(UtilForm& form) {
  form.List1.Clear();
  form.resultsOf = 0;
}

void ShowLines(UtilForm& form, std::vector<SortedList::Item> lines, const char* none) {
  EmptyList(form);
  form.List1.lines = std::move(lines);
  if (form.List1.lines.empty()) form.List1.AddLine(none);
}

const char* AdjustmentsInstructions =
    "This option shows all match results filed as rating adjustment for a specific player "
    "in current rating year.\r"
    "Enter System Id or MbShip No in the text box and press Enter.\r"
    "\r"
    "From left to right:\r"
    "Date, Sys Id, result, opponent.\r"
    "\r"
    "To delete: Click transaction and click 'Delete transaction' ";

// The Rating Adjustments option, with the list width as it is or narrow.
void SetUpAdjustments(UtilForm& form, bool narrow) {
  Choose(form, UtilOption::RatingAdjustments);
  form.Label1 = {AdjustmentsInstructions, true};
  form.Command6.visible = true;
  form.Command5.enabled = false;
  form.Label2.visible = false;
  if (narrow) form.listWidthTwips = NarrowList;
  EmptyList(form);
  form.List1.enabled = true;
  form.Text1.enabled = true;
  form.Text1.text.clear();
  form.focus = "Text1";
}

void SearchEnter(UtilForm& form, const Database& db) {
  if (form.Text1.text.empty()) return;
  ShowLines(form, SearchPlayers(db.players, form.Text1.text), NoHits);
}

void AdjustmentsEnter(UtilForm& form, const Database& db, Dialogs& dialogs) {
  if (form.Text1.text.empty()) return;
  const PlayerForResults player = FindPlayerForResults(db.players, form.Text1.text);
  if (player.result == PlayerLookup::NotNumeric) {
    dialogs.Beep();
    form.focus = "Text1";
    return;
  }
  if (player.result == PlayerLookup::NotFound) {
    dialogs.Beep();
    dialogs.Message("Player not found");
    form.focus = "Text1";
    return;
  }
  form.Label2 = {AdjustmentsCaption(db, player.sysId), true};
  form.Command5.enabled = false;  // until there is a result to delete
  ShowLines(form, CollectAdjustments(db, player.sysId), NoResultsFound);
  if (form.List1.lines.size() == 1 && form.List1.lines[0].line == NoResultsFound) return;
  form.resultsOf = player.sysId;
  const int last = static_cast<int>(form.List1.lines.size()) - 1;
  form.List1.listIndex = last;
  form.List1.selected = {last};
  form.Command5.enabled = true;
}

}  // namespace

void UtilActivate(UtilForm& form) { SetUpAdjustments(form, false); }

void Option1Click(UtilForm& form) {
  Choose(form, UtilOption::SearchPlayer);
  form.listWidthTwips = WideList;
  EmptyList(form);
  form.List1.enabled = true;
  form.Label2.visible = false;
  form.Command5.enabled = false;
  form.Command6.visible = false;
  form.Label1 = {"Enter Search string.\r\rFrom left to right:\rSys Id, name, current rating, MbShip No", true};
  form.Text1.enabled = true;
  form.Text1.text.clear();
  form.focus = "Text1";
}

void Option2Click(UtilForm& form, const Database& db) {
  Choose(form, UtilOption::DeletedPlayers);
  form.listWidthTwips = WideList;
  form.Text1.text.clear();
  form.Command6.visible = false;
  form.Command5.enabled = false;
  form.Label1.visible = false;
  form.Label2.visible = false;
  ShowLines(form, DeletedPlayers(db.players), NoDeletedPlayers);
}

void Option3Click(UtilForm& form) { SetUpAdjustments(form, true); }

void Option4Click(UtilForm& form) {
  Choose(form, UtilOption::ChangeToDefault);
  form.Label1 = {"This option changes all ratings to the default rating. You may wish to print some reports and "
                 "delete some players first. All files are renamed .old\r"
                 "A new file of players including all players not deleted is made.\r"
                 "\r"
                 "Press Enter to make the change now.",
                 true};
  form.Label2.visible = false;
  form.Command6.visible = false;
  form.Command5.enabled = false;
  form.listWidthTwips = WideList;
  EmptyList(form);
}

void Option6Click(UtilForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  Option6Prepare(form, db, clock);
  Option6Run(form, db, dialogs, clock);
}

void Option6Prepare(UtilForm& form, const Database& db, const Clock& clock) {
  Choose(form, UtilOption::NewYear);
  form.List1.enabled = false;
  form.Text1.enabled = false;
  form.listWidthTwips = WideList;
  EmptyList(form);
  form.Label2.visible = false;
  form.Command5.enabled = false;
  form.Command6.visible = false;
  form.Label1 = {"", false};
  if (clock.Today().year == db.setup.RatingYear + 1) form.Label1 = {NewYearInstructions(), true};
}

void Option6Run(UtilForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  RunNewYearConversion(db, dialogs, clock);
  SetUpAdjustments(form, false);
}

void Command1Click(UtilForm& form, Database& db, Dialogs& dialogs, const Clock& clock) {
  switch (form.option) {
    case UtilOption::SearchPlayer: SearchEnter(form, db); break;
    case UtilOption::RatingAdjustments: AdjustmentsEnter(form, db, dialogs); break;
    case UtilOption::ChangeToDefault: ChangeRatingsToDefault(db, dialogs, clock); break;
    case UtilOption::DeletedPlayers:
    case UtilOption::NewYear: break;
  }
}

void Command2Click(UtilForm& form) { form.closed = true; }

void Command5Click(UtilForm& form, const Database& db, Dialogs& dialogs) {
  const int index = form.List1.listIndex;
  const bool chosen = index >= 0 && index < static_cast<int>(form.List1.lines.size()) &&
                      std::find(form.List1.selected.begin(), form.List1.selected.end(), index) !=
                          form.List1.selected.end();
  if (!chosen) {
    dialogs.Beep();
    dialogs.Message("No transaction selected");
    return;
  }
  form.Label1 = {"Deletion is only possible if the transaction is saved in a month file. "
                 "If the transaction origins from a QTP or HRS tournament "
                 "please load the tournament and make the correction needed.",
                 true};
  if (DeleteResultLine(db, form.List1.lines[static_cast<size_t>(index)].line, dialogs) != ResultDeletion::Deleted)
    return;
  form.List1.lines.erase(form.List1.lines.begin() + index);
  form.List1.selected.clear();
  form.List1.listIndex = -1;
  form.Text1.text.clear();
}

void Command6Click(UtilForm& form, const Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock) {
  if (form.List1.lines.empty() || form.resultsOf < 1 || form.resultsOf > db.players.PlayerCount) {
    form.focus = "Text1";
    return;
  }
  PrintAdjustments(db, form.resultsOf, form.List1.lines, dialogs, job, clock);
}

void Text1GotFocus(UtilForm& form) {
  if (form.option == UtilOption::RatingAdjustments) form.Text1.text.clear();
}

void Text1Change(UtilForm& form, const std::string& text) { form.Text1.text = text; }

void List1Click(UtilForm& form, int index) {
  form.List1.listIndex = index;
  form.List1.selected.clear();
  if (index >= 0) form.List1.selected.push_back(index);
}

}  // namespace hrs
