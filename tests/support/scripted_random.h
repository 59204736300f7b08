#pragma once
#include <deque>
#include <initializer_list>

#include "core/platform/random.h"

namespace hrs::test {

// Gives the numbers the test queued, then a sequence that reaches every
// part of [0, 1) (so that redrawing always ends), and counts the seedings.
class ScriptedRandom : public Random {
 public:
  ScriptedRandom() = default;
  ScriptedRandom(std::initializer_list<double> numbers) : numbers_(numbers) {}
  void Queue(double n) { numbers_.push_back(n); }
  void Randomize() override { ++seedings; }
  double Next() override {
    if (numbers_.empty()) {
      after_ += 0.6180339887498949;
      after_ -= static_cast<int>(after_);
      return after_;
    }
    const double n = numbers_.front();
    numbers_.pop_front();
    return n;
  }
  int seedings = 0;

 private:
  std::deque<double> numbers_;
  double after_ = 0.0;
};

}  // namespace hrs::test
