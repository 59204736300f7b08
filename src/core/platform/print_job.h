#pragma once
#include <string>

namespace hrs {

enum class Orientation { Portrait, Landscape };

// A printed document: report builders in core send lines and page breaks.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual void SetFont(const std::string& family, int pointSize) = 0;
  virtual void SetOrientation(Orientation orientation) = 0;
  virtual void PrintLine(const std::string& text) = 0;
  virtual void NewPage() = 0;
  // Ends the document; false when it could not be printed (the printer or
  // the file refused it), so a printout is never reported done when it is not.
  virtual bool EndDoc() = 0;
  virtual int PageNumber() const = 0;
  // The orientation the next document is printed in (the printer dialogs
  // may change it).
  virtual Orientation CurrentOrientation() const { return Orientation::Portrait; }
  // Where the latest document went when it was written to a file (a PDF
  // rather than a printer); empty otherwise.
  virtual std::string DocumentFile() const { return {}; }
  // The file offered for the next document should the operator print it to
  // one (the printer dialog shows it; without a printer it is where the PDF
  // goes).
  virtual void SetDocumentFile(const std::string& path) { (void)path; }
};

}  // namespace hrs
