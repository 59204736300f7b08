#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/data/data_location.h"

namespace hrs {

// What the companion program's tournament state file (code + "rund.dat")
// tells before players are pre-registered.
struct TournamentState {
  bool started = false;         // value 1 greater than 0
  int maximumPlayers = 0;       // value 3
  bool secondOfDouble = false;  // value 5 is 2
};

// The state from the bytes of the file; nothing when its five values are not
// all there or value 1, 3 or 5 is not a number.
std::optional<TournamentState> ParseStateFile(std::string_view bytes);

// Reads code + "rund.dat" in the companion program's directory; nothing when
// the file is missing or unreadable.
std::optional<TournamentState> ReadStateFile(const DataLocation& where, const std::string& code);

std::string StateFileName(const std::string& code);

}  // namespace hrs
