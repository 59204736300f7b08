#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/data/data_location.h"
#include "core/text/code_page.h"
#include "core/data/failure.h"

namespace hrs {

// One player of the companion program's pre-registration file.
struct PreRegEntry {
  std::string name;
  int rating = 0;
  int sysId = 0;
  int mbShipNo = 0;  // 0 when the tournament is not sanctioned
};

std::string PreRegFileName(const std::string& code);

// The bytes of code + "delt.pre": one line per player in the write form,
// name, rating, Sys Id, membership number, 0. The companion program reads it
// in the Windows code page; the names that had to change are noted in `text`.
std::string PreRegFileBytes(const std::vector<PreRegEntry>& entries, Windows1252File& text);

// Replaces code + "delt.pre" in the companion program's directory whole; the
// reason on failure (the old file is then as it was). `changed` gets the
// names written with plain letters.
Failure WritePreRegFile(const DataLocation& where, const std::string& code, const std::vector<PreRegEntry>& entries,
                        std::vector<ChangedText>* changed = nullptr);

}  // namespace hrs
