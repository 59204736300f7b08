#pragma once
#include <string>
#include <string_view>

#include "core/data/player_record.h"
#include "core/text/align.h"

namespace hrs {

struct AdjustmentCounts {
  int won = 0, drawn = 0, lost = 0;
  int Total() const { return won + drawn + lost; }
};

// Won, drawn and lost, with the totals carried from earlier years added when
// the CarriedCounts text holds them: the screen list takes a text of exactly
// 11 characters (exactCarried), the dynamic printout one of at least 11.
AdjustmentCounts CountedAdjustments(const PlayerRecord& player, bool exactCarried);

// The sort line of the ranking list: rating, won, drawn, lost (the counted
// values of the printout), name and Sys Id, read from the end for the
// descending order. The screen list and the dynamic printout, whose order
// the snapshot keeps, share it, so that equal ratings stand alike in both.
std::string RankingSortLine(int sysId, const PlayerRecord& player);

// The rating "+/-" column: the change since the snapshot in 4 characters and
// its sign, or five blanks when there is none or no snapshot rating.
std::string RatingMovement(const PlayerRecord& player);

// The rank "+/-" column: the places gained or lost in `width` characters and
// the sign; nothing when the rank is unchanged or the player was not ranked.
std::string RankMovement(int rank, int previousRank, size_t width);

// A movement column as a cell of its own: "  12+" as "+12", blanks as "".
std::string SignedCell(std::string_view movement);

}  // namespace hrs
