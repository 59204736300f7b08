#include "core/rating/rating_query.h"

#include "core/rating/rating_formula.h"
#include "core/text/align.h"
#include "core/text/numeric.h"
#include "core/text/rounding.h"

namespace hrs {

QueryFigures RatingQueryFigures(int rating1, int rating2, int winFactor) {
  if (winFactor < 1) winFactor = 400;
  QueryFigures f;
  const double k1 = QueryGroups.K(rating1);
  const double k2 = QueryGroups.K(rating2);
  double we1 = WinExpectancy(rating1, rating2, winFactor);
  f.win1 = RoundHalfUp(k1 * (1 - we1));
  f.draw1 = RoundHalfUp(k1 * (0.5 - we1));
  double we2 = 1 - we1;
  f.loss2 = RoundHalfUp(k2 * (0 - we2));
  f.draw2 = RoundHalfUp(k2 * (0.5 - we2));
  // The second player's win and the first player's loss start from the
  // expectancy worked out the other way round.
  we2 = WinExpectancy(rating2, rating1, winFactor);
  f.win2 = RoundHalfUp(k2 * (1 - we2));
  we1 = 1 - we2;
  f.loss1 = RoundHalfUp(k1 * (0 - we1));
  return f;
}

std::vector<std::string> QueryLines(const QueryFigures& f) {
  return {RightAlign(f.win1, 3) + RightAlign(f.draw1, 5) + RightAlign(f.loss1, 6), "",
          RightAlign(f.win2, 3) + RightAlign(f.draw2, 5) + RightAlign(f.loss2, 6)};
}

QueryIdCheck CheckQueryId(const std::string& text, const PlayerTable& players) {
  const auto value = NumericValue(text);
  if (!value) return {};
  if (*value < 1 || *value > players.PlayerCount) return {QueryIdCheck::Kind::OutOfRange, 0, {}};
  const int id = static_cast<int>(*value);
  return {QueryIdCheck::Kind::Player, id, players[id].Name.str()};
}

QueryOutcome RunRatingQuery(const std::string& text1, const std::string& text2, const Database& db) {
  const QueryIdCheck a = CheckQueryId(text1, db.players);
  const QueryIdCheck b = CheckQueryId(text2, db.players);
  // Not numeric is refused for both fields before a range is looked at.
  if (a.kind == QueryIdCheck::Kind::NotNumeric) return {1, false, {}};
  if (b.kind == QueryIdCheck::Kind::NotNumeric) return {2, false, {}};
  if (a.kind == QueryIdCheck::Kind::OutOfRange) return {1, true, {}};
  if (b.kind == QueryIdCheck::Kind::OutOfRange) return {2, true, {}};
  QueryOutcome out;
  out.lines = QueryLines(RatingQueryFigures(db.players[a.sysId].Rating, db.players[b.sysId].Rating,
                                            db.setup.WinFactor));
  return out;
}

}  // namespace hrs
