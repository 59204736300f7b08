#pragma once
#include <string>
#include <vector>

#include "core/data/database.h"

namespace hrs {

// What two players would gain or lose against each other today, rounded
// halves up, with the query's fixed constants (32 / 24 / 16 from 2100 / 2400).
struct QueryFigures {
  long long win1 = 0, draw1 = 0, loss1 = 0;
  long long win2 = 0, draw2 = 0, loss2 = 0;
};

QueryFigures RatingQueryFigures(int rating1, int rating2, int winFactor);

// The output: the first player's win (3 characters), draw (5) and loss (6),
// an empty line, then the second player's figures.
std::vector<std::string> QueryLines(const QueryFigures& f);

// A Sys Id field as typed: a player's name, out of range, or not numeric.
struct QueryIdCheck {
  enum class Kind { Player, OutOfRange, NotNumeric } kind = Kind::NotNumeric;
  int sysId = 0;
  std::string name;
};
QueryIdCheck CheckQueryId(const std::string& text, const PlayerTable& players);

// The Calculate button: either the lines to print, or the field (1 or 2)
// that is refused -- its name field is emptied, and its Sys Id field too when
// the number is out of range -- and gets the focus.
struct QueryOutcome {
  int refusedField = 0;
  bool clearSysId = false;
  std::vector<std::string> lines;
};
QueryOutcome RunRatingQuery(const std::string& text1, const std::string& text2, const Database& db);

inline constexpr const char* QueryIntro =
    "Use this query form to show the rating adjustments for two players playing against each other to-day";

}  // namespace hrs
