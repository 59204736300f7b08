#pragma once
#include <string>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/print_job.h"
#include "core/shell/form_controls.h"

namespace hrs {

// The options of the utilities window, numbered as its option buttons.
enum class UtilOption { SearchPlayer = 1, DeletedPlayers = 2, RatingAdjustments = 3, ChangeToDefault = 4,
                        NewYear = 6 };

// The utilities window dbUtil as plain state; the window copies it into its
// widgets and forwards every event to the functions below.
struct UtilForm {
  UtilOption option = UtilOption::RatingAdjustments;
  Button Option1{"&Search Player"}, Option2{"De&leted players"}, Option3{"Rating &Adjustments"},
      Option4{"&Change ratings to default"}, Option6{"Ne&w Year Conversion"};
  Button Command1{"&Enter"}, Command2{"E&xit"}, Command5{"&Delete transaction"}, Command6{"&Print"};
  TextBox Text1;
  Label Label1, Label2;
  ListBox List1;
  int listWidthTwips = 5775;
  int resultsOf = 0;  // the Sys Id whose results List1 shows, 0 none

  std::string focus;  // "Text1": the window moves the focus there and clears it
  bool closed = false;
};

// The window became the active one: the Rating Adjustments option.
void UtilActivate(UtilForm& form);

void Option1Click(UtilForm& form);
void Option2Click(UtilForm& form, const Database& db);
void Option3Click(UtilForm& form);
void Option4Click(UtilForm& form);
// Runs the New Year conversion dialogue at once: Option6Prepare sets the
// window up (the window shows that before the questions), Option6Run asks
// and converts, then returns to the Rating Adjustments option.
void Option6Click(UtilForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
void Option6Prepare(UtilForm& form, const Database& db, const Clock& clock);
void Option6Run(UtilForm& form, Database& db, Dialogs& dialogs, const Clock& clock);

// E&nter: the action of the selected option.
void Command1Click(UtilForm& form, Database& db, Dialogs& dialogs, const Clock& clock);
void Command2Click(UtilForm& form);
// Delete transaction: the selected result line from its month file.
void Command5Click(UtilForm& form, const Database& db, Dialogs& dialogs);
// Print: the listed results.
void Command6Click(UtilForm& form, const Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock);

void Text1GotFocus(UtilForm& form);
void Text1Change(UtilForm& form, const std::string& text);
// The operator selected a line of List1 (-1 none).
void List1Click(UtilForm& form, int index);

}  // namespace hrs
