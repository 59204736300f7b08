#include "core/shell/window_arrangement.h"
#include "fuzz_support.h"

HRS_FUZZ_TARGET({
  hrs::WindowArrangement arrangement;
  hrs::ParseArrangement(bytes, arrangement);
  const std::string saved = hrs::ArrangementBytes(arrangement);
  hrs::WindowArrangement again;
  hrs::ParseArrangement(saved, again);
  HRS_FUZZ_CHECK(hrs::ArrangementBytes(again) == saved);
})
