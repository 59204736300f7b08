#include "core/data/registry_file.h"
#include "fuzz_support.h"

HRS_FUZZ_TARGET({
  const auto names = hrs::ParseRegistry(bytes);
  const std::string saved = hrs::RegistryBytes(names);
  HRS_FUZZ_CHECK(hrs::RegistryBytes(hrs::ParseRegistry(saved)) == saved);
})
