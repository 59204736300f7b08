#include "core/lists/printer_setup.h"

#include "core/text/pager.h"

namespace hrs {

bool ChooseReportFont(Dialogs& dialogs, PrintJob& job) {
  const auto font = dialogs.ChooseFixedFont(FontChoice{"Courier", 10});
  if (!font) return false;
  job.SetFont(font->family, font->pointSize);
  return true;
}

bool SetUpPrinter(Dialogs& dialogs, PrintJob& job) {
  return ChooseReportFont(dialogs, job) && dialogs.ChoosePrinter();
}

namespace {

bool TellPrintout(bool ended, PrintJob& job, Dialogs& dialogs) {
  if (!ended) {
    dialogs.Beep();
    dialogs.Message(PrintFailedMessage, Buttons::Ok, Icon::Critical);
    return false;
  }
  const std::string file = job.DocumentFile();
  if (!file.empty()) dialogs.Message(std::string(PrintedToFileMessage) + "\r" + file, Buttons::Ok, Icon::Information);
  return true;
}

}  // namespace

bool FinishPrintout(Pager& pager, PrintJob& job, Dialogs& dialogs) { return TellPrintout(pager.End(), job, dialogs); }

bool FinishPrintout(PrintJob& job, Dialogs& dialogs) { return TellPrintout(job.EndDoc(), job, dialogs); }

}  // namespace hrs
