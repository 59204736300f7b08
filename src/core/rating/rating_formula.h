#pragma once
#include <cstddef>
#include <vector>

namespace hrs {

// Win expectancy of a player rated r1 against one rated r2:
// 1 / (10 ^ ((r2 - r1) / winFactor) + 1), worked out in single precision as
// the ratings have always been computed, and handed on as a double.
double WinExpectancy(int r1, int r2, int winFactor);

// The win expectancy of a calculation by rating difference: each difference
// is worked out once by WinExpectancy, so every value is the same to the
// last bit; differences beyond the table are worked out each time.
class ExpectancyTable {
 public:
  static constexpr int Range = 8192;
  explicit ExpectancyTable(int winFactor);
  double operator()(int r1, int r2) {
    const long long diff = static_cast<long long>(r2) - r1;
    if (diff < -Range || diff > Range) return WinExpectancy(r1, r2, winFactor_);
    float& slot = values_[static_cast<size_t>(diff + Range)];
    if (slot < 0) slot = static_cast<float>(WinExpectancy(r1, r2, winFactor_));
    return slot;
  }

 private:
  int winFactor_;
  // Single precision holds every value exactly, in half the cache.
  std::vector<float> values_;  // -1 until worked out
};

// The adjustment constant (K) of a rating: k1 below limitA, k2 below limitB,
// else k3. The limits are the first ratings of groups 2 and 3.
struct RatingGroups {
  int limitA = 2100;
  int limitB = 2400;
  int k1 = 32;
  int k2 = 24;
  int k3 = 16;

  int K(int rating) const { return rating < limitA ? k1 : rating < limitB ? k2 : k3; }
};

// The fixed groups of the rating query, whatever the setup says.
inline constexpr RatingGroups QueryGroups{2100, 2400, 32, 24, 16};

}  // namespace hrs
