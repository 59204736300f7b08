#include "core/control/user_file_import.h"
#include "core/control/whole_number.h"

#include <algorithm>
#include <cmath>

#include "core/data/file_change.h"
#include "core/data/file_io.h"
#include "core/data/transaction_names.h"
#include "core/data/transaction.h"
#include "core/data/write_form.h"
#include "core/text/align.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

int Part(std::string_view text, size_t from, size_t count) {
  if (from >= text.size()) return 0;
  const std::string_view part = text.substr(from, count);
  if (const auto v = WholeNumber32(part)) return static_cast<int>(*v);
  return static_cast<int>(LeadingNumber(part));
}

// A player column: the value shown and whether it holds.
struct Checked {
  std::string shown;
  bool ok = false;
};

}  // namespace

namespace {

// A CR that is not part of a CR LF (or a CR CR LF) ends a line as LF does:
// the rules ask for CR alone, and other programs write LF or CR LF.
std::string RecordEndsAsLf(std::string_view bytes) {
  std::string out(bytes);
  for (size_t i = 0; i < out.size(); ++i) {
    if (out[i] != '\r') continue;
    size_t run = i;
    while (run < out.size() && out[run] == '\r') ++run;
    if (run == out.size() || out[run] != '\n')
      for (size_t k = i; k < run; ++k) out[k] = '\n';
    i = run - 1;
  }
  return out;
}

// One record of four values; false at the end of the file, `blank` for a
// blank line (which reads no record).
bool NextUserRecord(WriteFormReader& r, bool& lineStart, UserRecord& record, bool& blank) {
  blank = false;
  if (r.AtEnd()) return false;
  std::string* fields[] = {&record.date, &record.player1, &record.player2, &record.result};
  for (std::string* f : fields) f->clear();
  for (int i = 0; i < 4; ++i) {
    auto v = r.Next();
    if (!v) break;
    if (i == 0 && lineStart && v->lastOnLine && !v->quoted && Trim(v->text).empty()) {
      blank = true;
      return true;
    }
    lineStart = v->lastOnLine;
    *fields[i] = std::move(v->text);
  }
  return true;
}

}  // namespace

UserFileRecords ReadUserFile(std::string_view bytes) {
  UserFileRecords out;
  const bool loneCr = [&] {
    for (size_t i = 0; i < bytes.size(); ++i)
      if (bytes[i] == '\r' && (i + 1 == bytes.size() || (bytes[i + 1] != '\n' && bytes[i + 1] != '\r'))) return true;
    return false;
  }();
  const std::string converted = loneCr ? RecordEndsAsLf(bytes) : std::string();
  if (loneCr) bytes = converted;
  out.records.reserve(
      std::min<size_t>(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1, UserFileRecordLimit + 1));
  WriteFormReader r(bytes);
  bool lineStart = true, blank = false;
  UserRecord record;
  while (NextUserRecord(r, lineStart, record, blank)) {
    if (blank) {
      out.stop = UserFileStop::BlankLine;
      break;
    }
    out.records.push_back(std::move(record));
    if (out.records.size() > UserFileRecordLimit) {
      out.stop = UserFileStop::Limit;
      break;
    }
  }
  // What the stop left: counted as the reading would have taken it.
  while (out.stop != UserFileStop::End && NextUserRecord(r, lineStart, record, blank))
    if (!blank) ++out.unread;
  if (out.unread == 0) out.stop = UserFileStop::End;
  return out;
}

std::string UnreadRecordsLine(const UserFileRecords& read) {
  if (read.unread == 0) return {};
  const std::string n = std::to_string(read.unread);
  if (read.stop == UserFileStop::Limit)
    return n + " records over the limit of " + std::to_string(UserFileRecordLimit + 1) + " were not read";
  return n + " records after a blank line were not read";
}

std::string WithUnreadLine(const std::string& message, const std::string& unreadLine) {
  return unreadLine.empty() ? message : message + "\r\r" + unreadLine;
}

UserRecordChecker::UserRecordChecker(const Database& db, std::string today)
    : db_(db), today_(std::move(today)), index_(db.players) {}

std::string UserRecordChecker::ReviewLine(const UserRecord& record, bool correcting) const {
  const std::string date = Trim(record.date);
  const bool digits = date.size() == 8 && WholeNumber32(date) && date[0] != '+' && date[0] != '-';
  const int year = Part(date, 0, 4), month = Part(date, 4, 2), day = Part(date, 6, 2);
  const bool dateOk = digits && year >= 1996 && year == db_.setup.RatingYear && month >= 1 && month <= 12 &&
                      day >= 1 && day <= 31 && date <= today_;

  const long long count = db_.players.PlayerCount;
  auto player = [&](const std::string& text) {
    Checked c;
    const auto v = WholeNumber32(text);
    if (!v) {
      c.shown = Trim(text);
      return c;
    }
    const long long value = *v;
    if (correcting && value <= 0) {
      c.shown = std::to_string(value);
      return c;
    }
    if (value > count) {
      const int sysId = index_.Find(value);
      c.shown = std::to_string(sysId ? sysId : value);
      c.ok = sysId != 0;
      return c;
    }
    c.shown = std::to_string(value);
    c.ok = value >= 1;
    return c;
  };
  Checked p1 = player(record.player1), p2 = player(record.player2);
  if (p1.shown == p2.shown) p1.ok = p2.ok = false;

  const std::string result = Trim(record.result);
  const auto rv = WholeNumber32(result);
  const bool resultOk = rv && (*rv == 0 || *rv == 1 || *rv == 2);
  std::string resultShown = rv ? std::to_string(*rv) : result.substr(0, 1);
  if (resultShown.empty()) resultShown = " ";

  const bool error = !dateOk || !p1.ok || !p2.ok || !resultOk;
  // One buffer for the line: validation of a large file is mostly this.
  std::string line;
  line.reserve(date.size() + 40);
  auto mark = [&](bool ok) { line += ok ? "  " : "? "; };
  auto right8 = [&](const std::string& text) {
    if (text.size() < 8) line.append(8 - text.size(), ' ');
    line += text;
  };
  line += date;
  mark(dateOk);
  right8(p1.shown);
  mark(p1.ok);
  right8(p2.shown);
  mark(p2.ok);
  line += resultShown;
  line += resultOk ? " " : "?";
  if (error) line += " Error";
  return line;
}

bool IsErrorLine(std::string_view line) {
  return line.size() >= 5 && line.substr(line.size() - 5) == "Error";
}

std::vector<MonthFileAppend> MonthFileAppends(const std::vector<std::string>& reviewLines) {
  std::vector<MonthFileAppend> months(12);
  for (int m = 0; m < 12; ++m) months[static_cast<size_t>(m)].month = m + 1;
  for (size_t i = 0; i < reviewLines.size(); ++i) {
    const std::string& line = reviewLines[i];
    const int month = Part(line, 4, 2);
    if (month < 1 || month > 12) continue;
    const std::string date = line.substr(0, 8);
    const long long p1 = Part(line, 10, 8), p2 = Part(line, 20, 8);
    const int result = Part(line, 30, 1);
    WriteFormLine out;
    out.Text(date);
    if (result == 2) out.Number(p2).Number(p1).Text(WinCode);
    else out.Number(p1).Number(p2).Text(result == 0 ? DrawCode : WinCode);
    auto& m = months[static_cast<size_t>(month - 1)];
    m.bytes += out.Str();
    m.lines.push_back(i);
  }
  return months;
}

Failure WriteUserLines(const Database& db, const std::vector<std::string>& reviewLines) {
  FileChange change;
  for (auto& m : MonthFileAppends(reviewLines)) {
    const auto path = db.location.DataPath(MonthFileName(db.setup.RatingYear, m.month));
    if (m.bytes.empty() && FileExists(path)) continue;
    change.appends.push_back({path, std::move(m.bytes)});
  }
  return ChangeFilesTogether(change);
}

std::string NotWrittenMessage(const std::string& error) {
  return "The results could not be added to the month files; nothing was written.\r" + error +
         "\r\rThe results stay in the list; click Save File to add them when the fault is mended.";
}

std::string ImportNotWrittenMessage(const std::string& error) {
  return "The results could not be added to the month files; nothing was written.\r" + error +
         "\rImport the file again when the fault is mended.";
}

std::string ErrorsChoicePrompt(size_t errors) {
  return std::to_string(errors) +
         " errors detected. You have 2 choices:\r\r1. Inspect the file\r2. Correct all errors and add the results "
         "to month files\r\rPlease enter 1 or 2";
}

std::string ErasedMessage(const std::string& file) { return "OK, " + file + " has been erased"; }
std::string UntouchedMessage(const std::string& file) {
  return "OK, " + file + " is untouched.\rDon't import this file again (better move, rename or erase)";
}

}  // namespace hrs
