#pragma once
#include "core/platform/date_time.h"

namespace hrs {

// Everything that depends on the date or time asks this; tests use a fixed one.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() const = 0;
  Date Today() const { return Now().date; }
  // The system timer: seconds since midnight, with fractions.
  virtual double SecondsSinceMidnight() const = 0;
};

// The real clock of the machine (local time).
class SystemClock : public Clock {
 public:
  DateTime Now() const override;
  double SecondsSinceMidnight() const override;
};

}  // namespace hrs
