#pragma once
#include <cmath>

namespace hrs {

// Stored ratings: nearest whole number, halves to the even one (1712.5 -> 1712).
inline long long RoundHalfEven(double x) { return static_cast<long long>(std::nearbyint(x)); }

// The rating query: largest whole number not above x + 0.5 (2.5 -> 3, -2.5 -> -2).
inline long long RoundHalfUp(double x) { return static_cast<long long>(std::floor(x + 0.5)); }

}  // namespace hrs
