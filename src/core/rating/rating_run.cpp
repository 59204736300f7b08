#include "core/rating/rating_run.h"

#include <cmath>

namespace hrs {

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
      dayRating_(static_cast<size_t>(playerCount) + 1, firstRating),
      dayK_(static_cast<size_t>(playerCount) + 1, groups.K(firstRating)),
      expectancy_(winFactor) {}

void RatingRun::ApplyDay() {
  for (size_t id = 1; id <= static_cast<size_t>(playerCount_); ++id) {
    running_[id] += today_[id];
    today_[id] = 0;
    SetDayRating(id);
  }
}

void RatingRun::StartDay() {
  for (size_t id = 1; id <= static_cast<size_t>(playerCount_); ++id) SetDayRating(id);
}

// The rating used all day: the running rating with its fraction dropped.
void RatingRun::SetDayRating(size_t id) {
  dayRating_[id] = static_cast<int>(std::trunc(running_[id]));
  dayK_[id] = groups_.K(dayRating_[id]);
}

void RatingRun::Rate(const RatedEntry& e) {
  // Both unknown, or a player against himself.
  if (e.first == e.second) {
    bypassed_ = true;
    return;
  }
  calculations_ += 2;
  // Unknown players sit in row 0 with the first rating.
  const auto a = static_cast<size_t>(e.first);
  const auto b = static_cast<size_t>(e.second);
  const double we1 = expectancy_(dayRating_[a], dayRating_[b]);
  // One side's adjustment: K x (score - expectancy), and its count.
  auto adjust = [this](size_t i, double score, double we, std::vector<int>& count) {
    today_[i] += dayK_[i] * (score - we);
    ++count[i];
  };
  if (e.first) e.draw ? adjust(a, 0.5, we1, draws_) : adjust(a, 1, we1, wins_);
  const double we2 = 1 - we1;
  if (e.second) e.draw ? adjust(b, 0.5, we2, draws_) : adjust(b, 0, we2, losses_);
}

void RatingRun::RateMonth(const std::vector<RatedEntry>& entries) {
  // The starting ratings may have been set since the last day ended.
  if (firstMonth_) StartDay();
  firstMonth_ = false;
  for (const auto& e : entries) {
    if (e.newDay) ApplyDay();
    Rate(e);
  }
  ApplyDay();
}

}  // namespace hrs
