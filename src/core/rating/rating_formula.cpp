#include "core/rating/rating_formula.h"

#include <cmath>

namespace hrs {

double WinExpectancy(int r1, int r2, int winFactor) {
  const float exponent = static_cast<float>(r2 - r1) / static_cast<float>(winFactor);
  const float we = 1.0f / (std::pow(10.0f, exponent) + 1.0f);
  return static_cast<double>(we);
}

ExpectancyTable::ExpectancyTable(int winFactor) : winFactor_(winFactor), values_(2 * Range + 1, -1.0f) {}

}  // namespace hrs
