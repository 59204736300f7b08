#pragma once
#include <string>

namespace hrs {

// One duel as filed: the first id won, or the two drew when the code is "X".
// Ids are kept as read (text), since files hold them quoted or bare.
struct Transaction {
  std::string date;      // "yyyymmdd"
  std::string firstId;
  std::string secondId;
  std::string code;      // "X" draw; anything else a win of the first player

  bool IsDraw() const { return code == "X"; }
  bool operator==(const Transaction&) const = default;
};

// One duel line of a tournament result file.
struct TournamentDuel {
  std::string firstId;
  std::string secondId;
  std::string firstNumber;   // participant numbers in the companion's list
  std::string secondNumber;
  std::string code;
  bool IsDraw() const { return code == "X"; }
  bool operator==(const TournamentDuel&) const = default;
};

}  // namespace hrs
