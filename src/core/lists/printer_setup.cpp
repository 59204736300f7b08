#include "core/lists/printer_setup.h"

#include <system_error>

#include "core/data/data_location.h"
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

std::string DatedReportName(const std::string& report, const Date& day) { return report + "-" + ShortDate(day); }

std::filesystem::path NewReportFile(const std::filesystem::path& dir, const std::string& name) {
  std::error_code ec;
  std::filesystem::path file = dir / (name + ".pdf");
  for (int n = 2; std::filesystem::exists(file, ec); ++n) file = dir / (name + "-" + std::to_string(n) + ".pdf");
  return file;
}

void StartReport(PrintJob& job, const DataLocation& where, const std::string& name, std::optional<Orientation> paper) {
  if (paper) job.SetOrientation(*paper);
  std::error_code ec;
  const std::filesystem::path dir = std::filesystem::absolute(where.DataDir(), ec).lexically_normal();
  job.SetDocumentFile(NewReportFile(ec ? where.DataDir() : dir, name).string());
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
