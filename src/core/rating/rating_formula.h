#pragma once

namespace hrs {

// Win expectancy of a player rated r1 against one rated r2:
// 1 / (10 ^ ((r2 - r1) / winFactor) + 1), worked out in single precision as
// the ratings have always been computed, and handed on as a double.
double WinExpectancy(int r1, int r2, int winFactor);

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
