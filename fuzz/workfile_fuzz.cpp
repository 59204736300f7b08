#include "core/swiss/workfile.h"
#include "fuzz_support.h"

HRS_FUZZ_TARGET({
  const hrs::WorkfileRead read = hrs::ParseWorkfile(bytes, "fuzz.wrk", 1998);
  if (read.content && !(read.content->players.empty() && read.content->slots.empty())) {
    const std::string saved = hrs::WorkfileBytes(read.content->players, read.content->slots);
    const hrs::WorkfileRead again = hrs::ParseWorkfile(saved, "fuzz.wrk", 1998);
    HRS_FUZZ_CHECK(again.content && hrs::WorkfileBytes(again.content->players, again.content->slots) == saved);
  }
})
