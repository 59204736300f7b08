#pragma once
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/data/data_location.h"
#include "core/data/transaction.h"

namespace hrs {

// The records of a month file, four values each; a missing file is empty.
// A last record cut short by the end of the file is left out.
std::vector<Transaction> ParseMonthFile(std::string_view bytes);
std::vector<Transaction> ReadMonthFile(const DataLocation& where, int year, int month);

}  // namespace hrs
