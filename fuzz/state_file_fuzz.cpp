#include "core/swiss/state_file.h"
#include "fuzz_support.h"

HRS_FUZZ_TARGET({ (void)hrs::ParseStateFile(bytes); })
