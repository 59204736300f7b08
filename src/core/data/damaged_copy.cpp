#include "core/data/file_io.h"

#include "core/platform/dialogs.h"

#include <system_error>

namespace hrs {

namespace fs = std::filesystem;

Failure KeepDamagedCopy(const fs::path& path, std::string_view bytes) {
  // A free name each time: an earlier copy may be all that is left of older damage.
  fs::path copy = path.string() + ".damaged";
  std::error_code ec;
  for (int n = 2; fs::exists(copy, ec); ++n) copy = path.string() + ".damaged" + std::to_string(n);
  return WriteFileAtomically(copy, bytes);
}

bool KeptDamagedCopy(const fs::path& path, std::string_view bytes, Dialogs& dialogs) {
  if (auto error = KeepDamagedCopy(path, bytes)) {
    dialogs.Message("The damaged file " + path.filename().string() + " could not be kept as a copy, so it is " +
                        "left as it is and the program ends.\r" + *error,
                    Buttons::Ok, Icon::Critical);
    return false;
  }
  return true;
}

}  // namespace hrs
