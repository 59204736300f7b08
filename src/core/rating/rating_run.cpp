#include "core/rating/rating_run.h"

#include <cmath>
#include <limits>

namespace hrs {

namespace {
constexpr int MemoRange = 8192;
}

RatingRun::RatingRun(int playerCount, int firstRating, int winFactor, const RatingGroups& groups)
    : playerCount_(playerCount),
      firstRating_(firstRating),
      winFactor_(winFactor),
      groups_(groups),
      running_(static_cast<size_t>(playerCount) + 1, 0.0),
      today_(static_cast<size_t>(playerCount) + 1, 0.0),
      wins_(static_cast<size_t>(playerCount) + 1, 0),
      draws_(static_cast<size_t>(playerCount) + 1, 0),
      losses_(static_cast<size_t>(playerCount) + 1, 0),
      expectancy_(2 * MemoRange + 1, std::numeric_limits<double>::quiet_NaN()) {}

double RatingRun::Expectancy(int r1, int r2) {
  const long long diff = static_cast<long long>(r2) - r1;
  if (diff < -MemoRange || diff > MemoRange) return WinExpectancy(r1, r2, winFactor_);
  double& slot = expectancy_[static_cast<size_t>(diff + MemoRange)];
  if (std::isnan(slot)) slot = WinExpectancy(r1, r2, winFactor_);
  return slot;
}

void RatingRun::ApplyDay() {
  for (int id = 1; id <= playerCount_; ++id) {
    running_[static_cast<size_t>(id)] += today_[static_cast<size_t>(id)];
    today_[static_cast<size_t>(id)] = 0;
  }
}

void RatingRun::Rate(const RatedEntry& e) {
  // Both unknown, or a player against himself.
  if (e.first == e.second) {
    bypassed_ = true;
    return;
  }
  calculations_ += 2;
  const int r1 = e.first ? static_cast<int>(std::trunc(running_[static_cast<size_t>(e.first)])) : firstRating_;
  const int r2 = e.second ? static_cast<int>(std::trunc(running_[static_cast<size_t>(e.second)])) : firstRating_;
  const double we1 = Expectancy(r1, r2);
  if (e.first) {
    const double k = groups_.K(r1);
    const auto i = static_cast<size_t>(e.first);
    if (e.draw) {
      today_[i] += k * (0.5 - we1);
      ++draws_[i];
    } else {
      today_[i] += k * (1 - we1);
      ++wins_[i];
    }
  }
  const double we2 = 1 - we1;
  if (e.second) {
    const double k = groups_.K(r2);
    const auto i = static_cast<size_t>(e.second);
    if (e.draw) {
      today_[i] += k * (0.5 - we2);
      ++draws_[i];
    } else {
      today_[i] += k * (0 - we2);
      ++losses_[i];
    }
  }
}

void RatingRun::RateMonth(const std::vector<RatedEntry>& entries) {
  for (const auto& e : entries) {
    if (e.newDay) ApplyDay();
    Rate(e);
  }
  ApplyDay();
}

}  // namespace hrs
