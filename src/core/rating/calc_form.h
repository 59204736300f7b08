#pragma once
#include <functional>
#include <optional>
#include <string>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/rating/calculate_ratings.h"
#include "core/shell/form_controls.h"

namespace hrs {

inline constexpr const char* StartMonthHint =
    "If you choose a start month greater than -1- the rating adjustment "
    "is based on the rating last day of prior month.";

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// The Calculate Ratings window dbCalc as plain state; the window copies it
// into its widgets and forwards every event to the functions below.
struct CalcForm {
  TextBox Text1;        // the rating year, never edited
  TextBox Text2{"01"};  // from month
  TextBox Text3;        // to month
  Label Label5{StartMonthHint, false};
  Label Label6;  // the progress
  Label Label7{"", false};
  ListBox List1;
  std::optional<Rgb> Frame1Colour;  // nothing: the window's own
  std::string focus;                // "Text2" or "Text3": the window moves the focus there and clears it
};

void CalcFormLoad(CalcForm& form, const Database& db, const Clock& clock);
// The window became the active one.
void CalcActivate(CalcForm& form, const Clock& clock);
// Any edit of the year is replaced by the rating year.
void Text1Change(CalcForm& form, const Database& db);
void Text2Change(CalcForm& form, const Clock& clock, const std::string& text);
void Check1Click(CalcForm& form, const Database& db, const Clock& clock);

struct CalcPeriod {
  int start = 1;
  int end = 12;
};
// Calculate's checks of the typed months: a month that is not a number stops
// with the focus on its field; one outside 1..12 becomes 1 (start) or 12
// (end). Every caller of the calculation, window or command, goes through it.
std::optional<CalcPeriod> CheckPeriod(CalcForm& form, const Clock& clock);

// A step of the calculation shown in the progress frame.
void CalcProgressShown(CalcForm& form, CalculationStep step, const std::string& label);

// Calculate: the checks, then the calculation with each step shown through
// `shown`. Nothing when the checks stopped it.
std::optional<CalculationOutcome> Command1Click(CalcForm& form, Database& db, Dialogs& dialogs, const Clock& clock,
                                                const std::function<void()>& shown = {});

// Ranking List: the list and its header, and the average rating of the
// status screen. False when nobody is enrolled (told to the operator).
bool Command3Click(CalcForm& form, Database& db, Dialogs& dialogs);

}  // namespace hrs
