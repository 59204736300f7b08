#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/date_time.h"

namespace hrs {

// One value of a "write" form file as read.
struct FormValue {
  std::string text;   // quotes stripped; unquoted values trimmed
  bool quoted = false;
  size_t line = 0;    // 0-based line the value came from
  bool lastOnLine = false;
};

// Splits a whole file into its values. Each line is split at commas outside
// double quotes (an empty line is one empty value, a trailing comma adds one);
// CR LF and bare LF both end a line; empty lines at the very end are not values.
std::vector<FormValue> SplitWriteForm(std::string_view bytes);

// Values taken by position across lines, as every reader of the system does.
// A read past the end or a value that does not fit the asked type fails.
// It walks the bytes as it goes, so a large file costs no value list.
class WriteFormReader {
 public:
  explicit WriteFormReader(std::string_view bytes);

  bool AtEnd() const { return pos_ > end_; }
  // The line of the next value (or one past the last line at the end).
  size_t NextLine() const { return line_; }
  // True when the value just read was the last of its line.
  bool AtLineEnd() const { return lastOnLine_; }

  std::optional<FormValue> Next();
  std::optional<std::string> Text();
  // Whole number in [lo, hi]; an empty value reads as 0 (refused where 0 is
  // outside the range); a fraction is rounded.
  std::optional<long long> Integer(long long lo, long long hi);
  std::optional<int16_t> Int16() {
    auto v = Integer(-32768, 32767);
    return v ? std::optional<int16_t>(static_cast<int16_t>(*v)) : std::nullopt;
  }
  std::optional<int32_t> Int32() {
    auto v = Integer(INT32_MIN, INT32_MAX);
    return v ? std::optional<int32_t>(static_cast<int32_t>(*v)) : std::nullopt;
  }
  std::optional<DateTime> Date();

 private:
  // The next value as a view into the bytes; false at the end.
  bool NextView(std::string_view& text, bool& quoted);

  std::string bytes_;
  size_t pos_ = 0;   // start of the next value
  size_t end_ = 0;   // end of the last line holding anything; past it nothing is read
  size_t line_ = 0;
  bool lastOnLine_ = false;
  // The line being read: where it was found, its LF and its end without CRs.
  size_t lineStart_ = 0, lineSpan_ = 0, lf_ = 0, lineEnd_ = 0;
  std::string scratch_;  // a text with doubled quotes, unfolded
};

// True when a file holds any value at all (an empty file is no damage).
inline bool HoldsValues(std::string_view bytes) { return !WriteFormReader(bytes).AtEnd(); }

// Text that would break a line of a file (a double quote, CR, LF, Ctrl-Z)
// never reaches one: quotes become apostrophes, the others blanks.
std::string SafeFileText(std::string_view text);

// Builds one line of the "write" form: values joined by commas, CR LF at the end.
class WriteFormLine {
 public:
  WriteFormLine& Text(std::string_view text);         // "text"
  WriteFormLine& Number(long long value);            // 12
  WriteFormLine& Date(const DateTime& value);        // #2026-12-08 14:30:00#
  WriteFormLine& Raw(std::string_view bareValue);    // written as it stands (unset = "")
  std::string Str() const { return line_ + "\r\n"; }

 private:
  void Sep();
  std::string line_;
  bool first_ = true;
};

}  // namespace hrs
