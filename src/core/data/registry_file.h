#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/data/data_location.h"

namespace hrs {

// The tournament result files registered for a year, in order of addition.
// A first line "No QTP files" means none (the same text on a later line is
// taken as a file name); a registry that cannot be read yields none.
std::vector<std::string> ParseRegistry(std::string_view bytes);
std::vector<std::string> ReadRegistry(const DataLocation& where, int year);

}  // namespace hrs
