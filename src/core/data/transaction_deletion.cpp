#include "core/data/transaction_deletion.h"

#include <vector>

#include "core/data/file_io.h"
#include "core/data/transaction_names.h"
#include "core/data/write_form.h"
#include "core/text/numeric.h"

namespace hrs {

namespace fs = std::filesystem;

namespace {

bool SameId(const std::string& a, const std::string& b) { return Trim(a) == Trim(b); }

// The values of a month file grouped four by four, as the readers take them;
// a record cut short by the end of the file keeps the values it has.
std::vector<std::vector<FormValue>> Records(std::string_view bytes) {
  std::vector<std::vector<FormValue>> records;
  for (auto& v : SplitWriteForm(bytes)) {
    if (records.empty() || records.back().size() == 4) records.emplace_back();
    records.back().push_back(std::move(v));
  }
  return records;
}

std::optional<size_t> FirstMatch(const std::vector<std::vector<FormValue>>& records, const Transaction& selected) {
  for (size_t i = 0; i < records.size(); ++i) {
    const auto& r = records[i];
    if (r.size() < 4) break;
    if (MatchesTransaction({r[0].text, r[1].text, r[2].text, r[3].text}, selected)) return i;
  }
  return std::nullopt;
}

std::string RecordLine(const std::vector<FormValue>& record) {
  WriteFormLine line;
  for (const auto& v : record) {
    if (v.quoted) line.Text(v.text);
    else line.Raw(v.text);
  }
  return line.Str();
}

}  // namespace

bool MatchesTransaction(const Transaction& filed, const Transaction& selected) {
  if (Trim(filed.date) != Trim(selected.date) || filed.IsDraw() != selected.IsDraw()) return false;
  if (SameId(filed.firstId, selected.firstId) && SameId(filed.secondId, selected.secondId)) return true;
  return selected.IsDraw() && SameId(filed.firstId, selected.secondId) && SameId(filed.secondId, selected.firstId);
}

std::optional<size_t> FindTransaction(const DataLocation& where, int year, int month, const Transaction& selected) {
  auto bytes = ReadWholeFile(where.DataPath(MonthFileName(year, month)));
  if (!bytes) return std::nullopt;
  return FirstMatch(Records(*bytes), selected);
}

DeleteOutcome DeleteTransaction(const DataLocation& where, int year, int month, const Transaction& selected) {
  using Result = DeleteOutcome::Result;
  const fs::path monthFile = where.DataPath(MonthFileName(year, month));
  auto bytes = ReadWholeFile(monthFile);
  if (!bytes) return {Result::NotFound, {}};
  const auto records = Records(*bytes);
  const auto match = FirstMatch(records, selected);
  if (!match) return {Result::NotFound, {}};

  const fs::path scratch = where.DataPath(TransactionScratchFile);
  if (auto error = WriteFileAtomically(scratch, *bytes)) return {Result::Failed, *error};
  auto copy = ReadWholeFile(scratch);
  if (!copy || *copy != *bytes) {
    std::error_code ec;
    fs::remove(scratch, ec);
    return {Result::Failed, "Cannot read back " + scratch.string()};
  }

  std::string rewritten;
  for (size_t i = 0; i < records.size(); ++i)
    if (i != *match) rewritten += RecordLine(records[i]);
  auto error = WriteFileAtomically(monthFile, rewritten);
  std::error_code ec;
  fs::remove(scratch, ec);
  if (error) return {Result::Failed, *error};
  return {Result::Deleted, {}};
}

}  // namespace hrs
