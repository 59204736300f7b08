#pragma once
#include "core/platform/clock.h"

namespace hrs::test {

// A clock that says what the test tells it.
class FixedClock : public Clock {
 public:
  explicit FixedClock(DateTime now = {{2026, 12, 8}, 14, 30, 0}) : now_(now) {}
  DateTime Now() const override { return now_; }
  double SecondsSinceMidnight() const override { return seconds_; }
  void Set(DateTime now) { now_ = now; }
  void SetSeconds(double s) { seconds_ = s; }

 private:
  DateTime now_;
  double seconds_ = 52200;
};

}  // namespace hrs::test
