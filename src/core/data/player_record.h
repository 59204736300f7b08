#pragma once
#include <cstdint>
#include <vector>

#include "core/data/text_field.h"

namespace hrs {

inline constexpr int PlayerCapacity = 1998;
inline constexpr int32_t NoMembership = 999999;

enum PlayerStatus : int16_t { StatusActive = 0, StatusVoid = 77, StatusDeleted = 99 };

// One player, fields in storage order.
struct PlayerRecord {
  int16_t SysId = 0;
  TextField Name;
  TextField Info;
  int32_t MbShipNo = 0;
  int16_t StartRating = 0;
  int16_t Rating = 0;
  int16_t Status = 0;
  int16_t PrevRating = 0;
  int16_t Won = 0;
  int16_t Drawn = 0;
  int16_t Lost = 0;
  TextField CarriedCounts;
  bool operator==(const PlayerRecord&) const = default;
};

// The player table, indexed by Sys Id 1..PlayerCount (index 0 unused).
struct PlayerTable {
  std::vector<PlayerRecord> records = std::vector<PlayerRecord>(PlayerCapacity + 1);
  int PlayerCount = 0;
  int ActiveCount = 0;

  PlayerRecord& operator[](int sysId) { return records[static_cast<size_t>(sysId)]; }
  const PlayerRecord& operator[](int sysId) const { return records[static_cast<size_t>(sysId)]; }
  // Counts the records with Status 0 among 1..PlayerCount.
  int CountActive() const;
};

}  // namespace hrs
