#pragma once
#include <vector>

#include "core/rating/month_list.h"
#include "core/rating/rating_formula.h"

namespace hrs {

// The working table of one calculation: per Sys Id the running rating, the
// adjustments of the current day, and the wins, draws and losses counted.
class RatingRun {
 public:
  RatingRun(int playerCount, int firstRating, int winFactor, const RatingGroups& groups);

  // Set the starting ratings before the first month is rated.
  double& Running(int sysId) { return running_[static_cast<size_t>(sysId)]; }
  double Running(int sysId) const { return running_[static_cast<size_t>(sysId)]; }
  int Wins(int sysId) const { return wins_[static_cast<size_t>(sysId)]; }
  int Draws(int sysId) const { return draws_[static_cast<size_t>(sysId)]; }
  int Losses(int sysId) const { return losses_[static_cast<size_t>(sysId)]; }

  // Rates a month's entries in list order: every result of a day against the
  // ratings at the start of that day; the adjustments are applied at each day
  // change and at the end.
  void RateMonth(const std::vector<RatedEntry>& entries);

  long long Calculations() const { return calculations_; }
  bool Bypassed() const { return bypassed_; }

 private:
  void ApplyDay();
  void StartDay();
  inline void Rate(const RatedEntry& e);

  int playerCount_;
  int firstRating_;
  int winFactor_;
  RatingGroups groups_;
  std::vector<double> running_, today_;
  std::vector<int> wins_, draws_, losses_;
  // Per Sys Id the rating and K of the current day; row 0 is the unknown player.
  std::vector<int> dayRating_, dayK_;
  bool firstMonth_ = true;
  ExpectancyTable expectancy_;
  long long calculations_ = 0;
  bool bypassed_ = false;
};

}  // namespace hrs
