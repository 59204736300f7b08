#include "core/swiss/companion_files.h"
#include "fuzz_support.h"

HRS_FUZZ_TARGET({
  hrs::ParseCompanionSetup(bytes);
  if (auto participants = hrs::ParseParticipants(bytes))
    HRS_FUZZ_CHECK(participants->size() <= hrs::MaxParticipants);
})
