#include "core/data/installation_settings.h"
#include "fuzz_support.h"

HRS_FUZZ_TARGET({
  const auto settings = hrs::ParseInstallationSettings(bytes, "/etc/hrs", "/home/club");
  hrs::LocateData("/home/club/data", settings);
})
