#include "core/rating/rating_formula.h"

#include <gtest/gtest.h>

#include <cstring>

namespace hrs {
namespace {

TEST(ExpectancyTable, EveryValueIsTheFormulasToTheLastBit) {
  for (int factor : {400, 600, 1000}) {
    ExpectancyTable table(factor);
    for (int pass = 0; pass < 2; ++pass) {  // worked out, then looked up
      for (int diff = -4000; diff <= 4000; ++diff) {
        const double a = table(1600, 1600 + diff), b = WinExpectancy(1600, 1600 + diff, factor);
        ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << factor << " " << diff;
      }
    }
    EXPECT_EQ(table(0, 20000), WinExpectancy(0, 20000, factor));  // beyond the table
  }
}

}  // namespace
}  // namespace hrs
