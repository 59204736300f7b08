#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/rating/calculation_report.h"

namespace hrs {

enum class CalculationStep { Initializing, Month, Finished };
// Told to the window so it can show the step and repaint.
using CalculationProgress = std::function<void(CalculationStep step, const std::string& label)>;

// How the month files are read: the quick reader for lines of the usual
// shape (falling back to the plain one for a month with any other line),
// with the months read ahead on the machine's other cores while the earlier
// ones are rated (Fast) or one after the other (FastInOrder); or the plain
// reader (the write-form codec and the sorted list of item texts). All give
// the same ratings to the last bit.
enum class MonthReading { Fast, FastInOrder, Straightforward };

struct CalculationOutcome {
  // The operator chose not to go on at the "not validated" question:
  // nothing was calculated or written.
  bool stopped = false;
  std::string report;              // the closing message, lines joined by "\r"
  Icon reportIcon = Icon::None;    // Critical when files could not be saved
  std::vector<std::string> writeErrors;
  CalculationFigures figures;
};

// Recomputes the ratings of the rating year from startMonth to endMonth
// (1..12; a month out of that range is taken as 1, respectively 12) from the
// registered tournament files and the month files, writes Rating, Won, Drawn,
// Lost and the month-end ratings back, saves the player and statistics files
// and sets the average rating. The report is returned, not shown.
CalculationOutcome CalculateRatings(Database& db, int startMonth, int endMonth, Dialogs& dialogs,
                                    const Clock& clock, const CalculationProgress& progress = {},
                                    MonthReading reading = MonthReading::Fast);

// Shows the closing report in a message box.
void ShowCalculationReport(const CalculationOutcome& outcome, Dialogs& dialogs);

// The question for a registered tournament file that is not validated.
std::string NotValidatedQuestion(const std::string& fileName);
inline constexpr const char* NotValidatedTitle = "QTP tournament not validated";

// The end month offered: the current month, or 12 for an earlier rating year.
int DefaultEndMonth(const SetupRecord& setup, const Clock& clock);

// "  Year 1997 Month 6", the progress label of a month.
std::string MonthProgressLabel(int year, int month);

}  // namespace hrs
