#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "core/platform/date_time.h"
#include "core/platform/dialogs.h"
#include "core/platform/print_job.h"

namespace hrs {

class Pager;
struct DataLocation;

// The font of every printout: the fixed-pitch font dialog, preset to
// "Courier" 10, and the chosen font given to the printer. False: cancelled.
bool ChooseReportFont(Dialogs& dialogs, PrintJob& job);

// The font, then the print dialog. False: cancelled, nothing to print.
bool SetUpPrinter(Dialogs& dialogs, PrintJob& job);

// What a report settles before its dialogs: its paper (none for the rating
// history, which checks the operator's own) and a new file in the data
// directory offered for it, "<name>.pdf" ("<name>-2.pdf" ... when taken), so
// that one printout never replaces another.
void StartReport(PrintJob& job, const DataLocation& where, const std::string& name,
                 std::optional<Orientation> paper = Orientation::Portrait);

// "<report>-2026-12-09": a report named after the day it is printed.
std::string DatedReportName(const std::string& report, const Date& day);

// dir/<name>.pdf, or the first of <name>-2.pdf, <name>-3.pdf ... not there yet.
std::filesystem::path NewReportFile(const std::filesystem::path& dir, const std::string& name);

// Ends the document and tells the operator when it could not be printed, or
// where the file went when it was written to one. True: printed.
bool FinishPrintout(Pager& pager, PrintJob& job, Dialogs& dialogs);
// The same for a printout that writes to the job without a pager.
bool FinishPrintout(PrintJob& job, Dialogs& dialogs);

inline constexpr const char* PrintFailedMessage = "The document could not be printed.";
inline constexpr const char* PrintedToFileMessage = "The document was printed to the file";

}  // namespace hrs
