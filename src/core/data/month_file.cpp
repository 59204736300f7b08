#include "core/data/month_file.h"

#include "core/data/file_io.h"
#include "core/data/transaction_names.h"
#include "core/data/write_form.h"

namespace hrs {

std::optional<Transaction> NextTransaction(WriteFormReader& r) {
  auto date = r.Text();
  auto first = r.Text();
  auto second = r.Text();
  auto code = r.Text();
  if (!date || !first || !second || !code) return std::nullopt;
  return Transaction{std::move(*date), std::move(*first), std::move(*second), std::move(*code)};
}

std::vector<Transaction> ParseMonthFile(std::string_view bytes) {
  WriteFormReader r(bytes);
  std::vector<Transaction> out;
  while (!r.AtEnd()) {
    auto t = NextTransaction(r);
    if (!t) break;
    out.push_back(std::move(*t));
  }
  return out;
}

std::vector<Transaction> ReadMonthFile(const DataLocation& where, int year, int month) {
  auto bytes = ReadWholeFile(where.DataPath(MonthFileName(year, month)));
  if (!bytes) return {};
  return ParseMonthFile(*bytes);
}

std::string MonthFileLine(const Transaction& t, IdForm ids) {
  WriteFormLine line;
  line.Text(t.date);
  WriteId(line, t.firstId, ids);
  WriteId(line, t.secondId, ids);
  line.Text(t.code);
  return line.Str();
}

Failure AppendTransactions(const DataLocation& where, int year, int month, const std::vector<Transaction>& transactions,
                           IdForm ids) {
  std::string bytes;
  for (const auto& t : transactions) bytes += MonthFileLine(t, ids);
  if (bytes.empty()) return std::nullopt;
  return AppendToFile(where.DataPath(MonthFileName(year, month)), bytes);
}

Failure AppendTransaction(const DataLocation& where, int year, int month, const Transaction& t, IdForm ids) {
  return AppendTransactions(where, year, month, {t}, ids);
}

}  // namespace hrs
