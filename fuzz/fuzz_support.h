#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A round trip that does not come back the same is a finding, as a crash is.
#define HRS_FUZZ_CHECK(condition)                                          \
  do {                                                                     \
    if (!(condition)) {                                                    \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                        \
    }                                                                      \
  } while (0)

#define HRS_FUZZ_TARGET(body)                                                   \
  extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {     \
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);    \
    body return 0;                                                              \
  }
