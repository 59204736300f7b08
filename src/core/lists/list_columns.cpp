#include "core/lists/list_columns.h"

#include "core/text/align.h"
#include "core/text/characters.h"
#include "core/text/numeric.h"

namespace hrs {

AdjustmentCounts CountedAdjustments(const PlayerRecord& player, bool exactCarried) {
  AdjustmentCounts c{player.Won, player.Drawn, player.Lost};
  const std::string& carried = player.CarriedCounts.str();
  const bool holdsTotals = exactCarried ? carried.size() == 11 : carried.size() >= 11;
  if (holdsTotals) {
    c.won += static_cast<int>(LeadingNumber(std::string_view(carried).substr(0, 4)));
    c.drawn += static_cast<int>(LeadingNumber(std::string_view(carried).substr(4, 3)));
    c.lost += static_cast<int>(LeadingNumber(std::string_view(carried).substr(carried.size() - 4)));
  }
  return c;
}

std::string RankingSortLine(int sysId, const PlayerRecord& player) {
  const AdjustmentCounts c = CountedAdjustments(player, false);
  return RightAlign(player.Rating, 4) + RightAlign(c.won, 4) + RightAlign(c.drawn, 3) + RightAlign(c.lost, 4) +
         FitLeft(player.Name.str(), 28) + RightAlign(sysId, 4) + RightAlign(player.Status, 2);
}

std::string RatingMovement(const PlayerRecord& player) {
  if (player.PrevRating > 0 && player.Rating > player.PrevRating)
    return RightAlign(player.Rating - player.PrevRating, 4) + "+";
  if (player.PrevRating > 0 && player.Rating < player.PrevRating)
    return RightAlign(player.PrevRating - player.Rating, 4) + "-";
  return std::string(5, ' ');
}

std::string RankMovement(int rank, int previousRank, size_t width) {
  if (previousRank <= 0 || previousRank == rank) return {};
  if (rank < previousRank) return RightAlign(previousRank - rank, width) + "+";
  return RightAlign(rank - previousRank, width) + "-";
}

std::string SignedCell(std::string_view movement) {
  const size_t first = movement.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::string_view text = movement.substr(first);
  if (text.size() > 1 && (text.back() == '+' || text.back() == '-'))
    return std::string(1, text.back()) + std::string(text.substr(0, text.size() - 1));
  return std::string(text);
}

}  // namespace hrs
