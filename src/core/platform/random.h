#pragma once
#include <cstdint>
#include <random>

namespace hrs {

class Clock;

// Random numbers for the draws of the small tournament; tests script them.
class Random {
 public:
  virtual ~Random() = default;
  // Seeds the generator anew from the clock.
  virtual void Randomize() = 0;
  // A number in [0, 1).
  virtual double Next() = 0;
};

// The program's generator, seeded from the clock.
class ClockRandom : public Random {
 public:
  explicit ClockRandom(const Clock& clock);
  void Randomize() override;
  double Next() override;

 private:
  const Clock& clock_;
  std::mt19937_64 engine_;
  uint64_t draws_ = 0;
};

// A whole number 1..count from one draw: the number times count, plus 1,
// truncated (never past count, whatever the generator gives).
int DrawOneTo(Random& random, int count);

}  // namespace hrs
