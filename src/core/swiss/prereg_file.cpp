#include "core/swiss/prereg_file.h"

#include "core/data/file_io.h"
#include "core/data/write_form.h"

namespace hrs {

std::string PreRegFileName(const std::string& code) { return code + "delt.pre"; }

std::string PreRegFileBytes(const std::vector<PreRegEntry>& entries, Windows1252File& text) {
  std::string bytes;
  for (const PreRegEntry& e : entries)
    bytes += WriteFormLine()
                 .Text(text.Text(SafeFileText(e.name)))
                 .Number(e.rating)
                 .Number(e.sysId)
                 .Number(e.mbShipNo)
                 .Number(0)
                 .Str();
  return bytes;
}

Failure WritePreRegFile(const DataLocation& where, const std::string& code, const std::vector<PreRegEntry>& entries,
                        std::vector<ChangedText>* changed) {
  Windows1252File text;
  const std::string bytes = PreRegFileBytes(entries, text);
  if (auto error = WriteFileAtomically(where.QtpPath(PreRegFileName(code)), bytes)) return error;
  if (changed) *changed = text.Changed();
  return std::nullopt;
}

}  // namespace hrs
