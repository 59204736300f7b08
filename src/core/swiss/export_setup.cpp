#include "core/swiss/export_setup.h"

#include "core/data/file_io.h"
#include "core/data/write_form.h"

namespace hrs {

std::optional<ExportSetup> ReadExportSetup(const DataLocation& where, const std::string& code) {
  const auto bytes = ReadWholeFile(where.QtpPath(code + "fast.dat"));
  if (!bytes) return std::nullopt;
  WriteFormReader in(*bytes);
  ExportSetup setup;
  for (int i = 1; i <= 15; ++i) {
    if (i == 10 || i == 13) {
      const auto v = in.Int32();
      if (!v) return std::nullopt;
      if (i == 10) setup.supportedMaximum = *v;
      else setup.sanctioned = *v == 1;
    } else if (!in.Next()) {
      return std::nullopt;
    }
  }
  for (int i = 16; i < 36 && in.Next(); ++i) {
  }
  if (const auto team = in.Int32()) setup.team = *team == 1;
  return setup;
}

}  // namespace hrs
