#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/data_location.h"
#include "core/data/transaction.h"
#include "core/data/failure.h"

namespace hrs {

class WriteFormReader;

// The next record of a month file, or nothing where the file ends before
// its four values do.
std::optional<Transaction> NextTransaction(WriteFormReader& r);

// The records of a month file, four values each; a missing file is empty.
// A last record cut short by the end of the file is left out.
std::vector<Transaction> ParseMonthFile(std::string_view bytes);
std::vector<Transaction> ReadMonthFile(const DataLocation& where, int year, int month);

// One line of a month file: the date and the code quoted, the ids as asked.
std::string MonthFileLine(const Transaction& t, IdForm ids);

// Appends transactions to the month file of the year and month (created by
// the first append). All lines go in one write; on failure the reason is
// returned and the file keeps its earlier content.
Failure AppendTransactions(const DataLocation& where, int year, int month, const std::vector<Transaction>& transactions,
                           IdForm ids);
Failure AppendTransaction(const DataLocation& where, int year, int month, const Transaction& t, IdForm ids);

}  // namespace hrs
