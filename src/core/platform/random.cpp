#include "core/platform/random.h"

#include <chrono>

#include "core/platform/clock.h"

namespace hrs {

ClockRandom::ClockRandom(const Clock& clock) : clock_(clock) { Randomize(); }

void ClockRandom::Randomize() {
  // The timer alone repeats each day; the date and a counter keep two
  // seedings within one timer tick apart.
  const Date d = clock_.Today();
  const auto ms = static_cast<uint64_t>(clock_.SecondsSinceMidnight() * 1000.0);
  const uint64_t ticks = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  engine_.seed(ms ^ (static_cast<uint64_t>(d.year * 10000 + d.month * 100 + d.day) << 32) ^ ticks ^ (++draws_));
}

double ClockRandom::Next() { return std::generate_canonical<double, 53>(engine_) * (1.0 - 1e-12); }

int DrawOneTo(Random& random, int count) {
  const int n = static_cast<int>(random.Next() * count) + 1;
  return n < 1 ? 1 : (n > count ? count : n);
}

}  // namespace hrs
