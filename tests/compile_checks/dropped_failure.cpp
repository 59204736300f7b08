// Compiled by ctest only: with DROP_IT a Failure left unread must not compile;
// without it, the same call passed on or named with GoOnPast must.
#include "core/data/file_io.h"

int main() {
#ifdef DROP_IT
  hrs::WriteFileAtomically("unused", "");
#else
  hrs::GoOnPast(hrs::WriteFileAtomically("unused", ""));
  return hrs::WriteFileAtomically("unused", "") ? 1 : 0;
#endif
}
