#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/data_location.h"

namespace hrs {

// What this system reads from a companion tournament's setup file,
// code + "fast.dat". Its values, in order: 2 texts, 4 integers, 1 date,
// 8 integers; then, as far as present, 1 text, 9 integers, 4 texts and
// 7 integers. Values not named here are skipped, whatever they hold.
struct CompanionSetup {
  std::string name;           // value 1: the tournament's name
  long long value3 = 0;       // value 3: 0 while the tournament is not set up
  long long maxSupported = 0; // value 10: most players the companion program supports
  bool sanctioned = false;    // value 13 is 1
  bool team = false;          // value 36 is 1 (0 when the file ends before it)
};

// Nothing when the first fifteen values are not all there, or a value read
// as a number, present, is not one.
std::optional<CompanionSetup> ParseCompanionSetup(std::string_view bytes);
// code + "fast.dat" in the data directory, the name's case ignored.
std::optional<CompanionSetup> ReadCompanionSetup(const DataLocation& where, const std::string& code);

// The tournament's name alone (the first value), for the file lists; nothing
// when the file is missing or holds no value.
std::optional<std::string> ReadCompanionName(const DataLocation& where, const std::string& code);

// One line of the participants file, code + "delt.dat": seven values, of
// which the participant number (1), the name (2) and the membership number
// (6, a text taken by its numeric value) are used.
struct CompanionParticipant {
  int16_t number = 0;
  std::string name;
  int32_t mbShipNo = 0;
};

inline constexpr size_t MaxParticipants = 998;

// Nothing when a line is cut short, a number is not one, or the file holds
// more than MaxParticipants lines. An empty file has no participants.
std::optional<std::vector<CompanionParticipant>> ParseParticipants(std::string_view bytes);
std::optional<std::vector<CompanionParticipant>> ReadParticipants(const DataLocation& where, const std::string& code);

// The participant of that number, or nothing.
const CompanionParticipant* FindParticipant(const std::vector<CompanionParticipant>& table, int number);

std::string CompanionSetupFileName(const std::string& code);         // code + "fast.dat"
std::string CompanionParticipantsFileName(const std::string& code);  // code + "delt.dat"

}  // namespace hrs
