#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
  hrs::SystemClock clock;
  return hrs::cli::RunCli({argv + 1, argv + argc}, std::cout, std::cerr, clock);
}
