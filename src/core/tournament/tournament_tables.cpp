#include "core/tournament/tournament_tables.h"

#include "core/text/align.h"

namespace hrs {

std::string TournamentBaseFor(const Date& day) {
  return "LT" + TwoDigits(day.year % 100) + TwoDigits(day.month) + TwoDigits(day.day);
}

}  // namespace hrs
