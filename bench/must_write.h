#pragma once
#include <cstdio>
#include <cstdlib>

#include "core/data/failure.h"

namespace hrs::bench {

// A benchmark's own files must be written; a failure ends the run.
inline void MustWrite(const Failure& failure) {
  if (!failure) return;
  std::fprintf(stderr, "%s\n", failure->c_str());
  std::exit(1);
}

}  // namespace hrs::bench
