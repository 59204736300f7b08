#pragma once
#include <optional>
#include <string>

#include "core/data/data_location.h"

namespace hrs {

// The values of a tournament's setup file that the export of pre-registered
// players depends on.
struct ExportSetup {
  int supportedMaximum = 0;  // the most players the companion program takes
  bool sanctioned = false;
  bool team = false;
};

// From code + "fast.dat" in the companion program's directory; nothing when
// it cannot be read.
std::optional<ExportSetup> ReadExportSetup(const DataLocation& where, const std::string& code);

}  // namespace hrs
