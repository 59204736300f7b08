#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/data/data_location.h"
#include "core/data/player_record.h"
#include "core/platform/dialogs.h"
#include "core/data/failure.h"

namespace hrs {

// One line of the player file.
std::string PlayerLine(const PlayerRecord& p);
std::string PlayerFileBytes(const PlayerTable& table);

enum class PlayerParse { Ok, Malformed, TooMany };
// Fills the table from the file's bytes with the loading rules (Sys Id 0 is
// the position, membership numbers below 10000 are none). On Malformed the
// table holds no players; on TooMany nothing beyond the capacity is touched.
PlayerParse ParsePlayerFile(std::string_view bytes, PlayerTable& table);

// True when the bytes are not a player file the system can use.
bool IsDamagedPlayerFile(std::string_view bytes);

// Loads the player file at start-up with its questions. False ends start-up.
bool LoadPlayers(const DataLocation& where, PlayerTable& table, Dialogs& dialogs);

// Rewrites the player file whole (PlayerCount capped to the capacity).
Failure SavePlayers(const DataLocation& where, PlayerTable& table);

// Appends the record at sysId as one line of the file (a new player).
Failure AppendPlayer(const DataLocation& where, const PlayerTable& table, int sysId);

}  // namespace hrs
