#include "core/data/setup_file.h"
#include "fuzz_support.h"

HRS_FUZZ_TARGET({
  if (auto setup = hrs::ParseSetupFile(bytes)) {
    const std::string saved = hrs::SetupFileBytes(*setup);
    const auto again = hrs::ParseSetupFile(saved);
    HRS_FUZZ_CHECK(again && hrs::SetupFileBytes(*again) == saved);
  }
})
