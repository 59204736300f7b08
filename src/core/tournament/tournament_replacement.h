#pragma once
#include <string>

#include "core/data/data_location.h"

namespace hrs {

// What a new match program would replace: the tournament of the day (one
// per day, its files named by the date) with the results entered in it, and
// whether its file for the ranking system is registered for rating.
struct DayTournament {
  std::string base;         // "LT261208"
  int results = 0;          // round-robin and playoff matches with a result
  bool registered = false;  // "RHRS" + base in the registry of the rating year
  // Replacing it loses work that a new match program cannot give back.
  bool HoldsWork() const { return results > 0 || registered; }
};
DayTournament TournamentOfTheDay(const DataLocation& where, const std::string& base, int ratingYear);

// The question before such a tournament is replaced (Yes and No, No the default).
std::string ReplaceTournamentQuestion(const DayTournament& day);
inline constexpr const char* ReplaceTournamentTitle = "Replace tournament?";

}  // namespace hrs
