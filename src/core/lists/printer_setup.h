#pragma once
#include "core/platform/dialogs.h"
#include "core/platform/print_job.h"

namespace hrs {

class Pager;

// The font of every printout: the fixed-pitch font dialog, preset to
// "Courier" 10, and the chosen font given to the printer. False: cancelled.
bool ChooseReportFont(Dialogs& dialogs, PrintJob& job);

// The font, then the print dialog. False: cancelled, nothing to print.
bool SetUpPrinter(Dialogs& dialogs, PrintJob& job);

// Ends the document and tells the operator when it could not be printed, or
// where the file went when it was written to one. True: printed.
bool FinishPrintout(Pager& pager, PrintJob& job, Dialogs& dialogs);
// The same for a printout that writes to the job without a pager.
bool FinishPrintout(PrintJob& job, Dialogs& dialogs);

inline constexpr const char* PrintFailedMessage = "The document could not be printed.";
inline constexpr const char* PrintedToFileMessage = "The document was printed to the file";

}  // namespace hrs
