#include "core/data/data_location.h"

#include "core/text/numeric.h"

namespace hrs {

namespace fs = std::filesystem;

fs::path FindNoCase(const fs::path& dir, const std::string& name) {
  const fs::path exact = dir / name;
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (EqualsNoCase(it->path().filename().string(), name)) return it->path();
  }
  return exact;
}

fs::path DataLocation::DataPath(const std::string& name) const { return FindNoCase(DataDir(), name); }

fs::path DataLocation::DriveAPath(const std::string& name) const { return FindNoCase(driveA, name); }

fs::path DataLocation::QtpPath(const std::string& name) const { return FindNoCase(qtpDir, name); }

}  // namespace hrs
