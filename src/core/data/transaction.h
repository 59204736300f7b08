#pragma once
#include <string>
#include <string_view>

namespace hrs {

class WriteFormLine;

// Result codes as this system writes them.
inline constexpr const char* WinCode = " ";
inline constexpr const char* DrawCode = "X";

// One duel as filed: the first id won, or the two drew when the code is "X".
// Ids are kept as read (text), since files hold them quoted or bare.
struct Transaction {
  std::string date;      // "yyyymmdd"
  std::string firstId;
  std::string secondId;
  std::string code;      // "X" draw; anything else a win of the first player

  bool IsDraw() const { return code == DrawCode; }
  bool operator==(const Transaction&) const = default;
};

// One duel line of a tournament result file.
struct TournamentDuel {
  std::string firstId;
  std::string secondId;
  std::string firstNumber;   // participant numbers in the companion's list
  std::string secondNumber;
  std::string code;
  bool IsDraw() const { return code == DrawCode; }
  bool operator==(const TournamentDuel&) const = default;
};

// How an id is written: quoted when it came from a text field (keyboard
// entry), bare when it came from a number (imported files, tournaments).
enum class IdForm { Quoted, Bare };

// Writes an id in the form asked; an id that is not a number is always
// quoted, so that no text can break the line.
void WriteId(WriteFormLine& line, std::string_view id, IdForm form);

}  // namespace hrs
