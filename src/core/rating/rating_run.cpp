#include "core/rating/rating_run.h"

#include <algorithm>

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
  // Plain loops over the arrays, which the compiler can vectorise.
  const size_t n = static_cast<size_t>(playerCount_) + 1;
  double* running = running_.data();
  double* today = today_.data();
  for (size_t id = 1; id < n; ++id) running[id] += today[id];
  std::fill(today_.begin(), today_.end(), 0.0);
  StartDay();
}

// The rating used all day: the running rating with its fraction dropped
// (a conversion truncates as std::trunc does, for every rating there is).
void RatingRun::StartDay() {
  const size_t n = static_cast<size_t>(playerCount_) + 1;
  const double* running = running_.data();
  int* rating = dayRating_.data();
  int* k = dayK_.data();
  for (size_t id = 1; id < n; ++id) rating[id] = static_cast<int>(running[id]);
  for (size_t id = 1; id < n; ++id) k[id] = groups_.K(rating[id]);
}

inline void RatingRun::Rate(const RatedEntry& e) {
  // Both unknown, or a player against himself.
  if (e.first == e.second) {
    bypassed_ = true;
    return;
  }
  calculations_ += 2;
  // Unknown players sit in row 0 with the first rating. Their adjustments
  // and counts land in row 0 too, which nothing reads: fewer branches.
  const auto a = static_cast<size_t>(e.first);
  const auto b = static_cast<size_t>(e.second);
  const double we1 = expectancy_(dayRating_[a], dayRating_[b]);
  const double we2 = 1 - we1;
  // Each side: K x (score - expectancy), and its count.
  const int draw = e.draw ? 1 : 0;
  today_[a] += dayK_[a] * ((draw ? 0.5 : 1.0) - we1);
  today_[b] += dayK_[b] * ((draw ? 0.5 : 0.0) - we2);
  wins_[a] += 1 - draw;
  losses_[b] += 1 - draw;
  draws_[a] += draw;
  draws_[b] += draw;
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
