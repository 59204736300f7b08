#include "core/data/write_form.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/text/code_page.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

// A stray CR (a line ended CR CR LF) is as blank as a space.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

WriteFormReader::WriteFormReader(std::string_view bytes) {
  // A byte-order mark before the first value and end-of-file marks (Ctrl-Z)
  // at the very end are not content; a Ctrl-Z anywhere else is just a byte.
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  while (!bytes.empty() && bytes.back() == '\x1A') bytes.remove_suffix(1);
  bytes_.assign(bytes.data(), bytes.size());
  // Blank lines at the very end (an editor's extra line break) hold no values.
  size_t e = bytes_.size();
  while (e > 0 && (IsBlank(bytes_[e - 1]) || bytes_[e - 1] == '\r' || bytes_[e - 1] == '\n')) --e;
  if (e == 0) {
    pos_ = 1;  // nothing at all
    end_ = 0;
    return;
  }
  // Keep the whole last line: values end at its line break or the file's end.
  while (e < bytes_.size() && bytes_[e] != '\n' && bytes_[e] != '\r') ++e;
  end_ = e;
}

bool WriteFormReader::NextView(std::string_view& text, bool& quoted) {
  if (pos_ > end_) return false;
  const char* data = bytes_.data();
  const size_t n = bytes_.size();
  // The current line ends at LF (a CR before it belongs to the break); it is
  // looked for once a line, so a line of many values reads in linear time.
  if (pos_ >= lineStart_ + lineSpan_) {
    const size_t lf = bytes_.find('\n', pos_);
    lf_ = lf == std::string::npos ? n : lf;
    lineStart_ = pos_;
    lineSpan_ = lf_ - pos_ + 1;
    lineEnd_ = lf_;
    while (lineEnd_ > pos_ && data[lineEnd_ - 1] == '\r') --lineEnd_;
  }
  const size_t lineEnd = lineEnd_;
  size_t j = pos_;
  while (j < lineEnd && IsBlank(data[j])) ++j;
  size_t comma;
  if (j < lineEnd && data[j] == '"') {
    quoted = true;
    size_t close = j + 1;
    while (close < lineEnd && data[close] != '"') ++close;
    if (close + 1 < lineEnd && data[close + 1] == '"') {
      // Another program's doubled quote stands for one quote in the text.
      scratch_.assign(data + j + 1, close - j - 1);
      while (close + 1 < lineEnd && data[close + 1] == '"') {
        scratch_ += '"';
        size_t next = close + 2;
        size_t e = next;
        while (e < lineEnd && data[e] != '"') ++e;
        scratch_.append(data + next, e - next);
        close = e;
      }
      text = scratch_;
    } else {
      text = std::string_view(data + j + 1, close - j - 1);
    }
    // Anything between the closing quote and the comma is dropped.
    comma = close < lineEnd ? close + 1 : lineEnd;
    while (comma < lineEnd && data[comma] != ',') ++comma;
  } else {
    quoted = false;
    comma = pos_;
    while (comma < lineEnd && data[comma] != ',') ++comma;
    size_t b = pos_, e = comma;
    while (b < e && IsBlank(data[b])) ++b;
    while (e > b && IsBlank(data[e - 1])) --e;
    text = std::string_view(data + b, e - b);
  }
  if (comma < lineEnd) {
    pos_ = comma + 1;
    lastOnLine_ = false;
  } else {
    lastOnLine_ = true;
    ++line_;
    pos_ = lf_ >= n ? n + 1 : lf_ + 1;
    if (pos_ > end_) pos_ = end_ + 1;
  }
  return true;
}

std::vector<FormValue> SplitWriteForm(std::string_view bytes) {
  WriteFormReader r(bytes);
  std::vector<FormValue> out;
  while (auto v = r.Next()) out.push_back(std::move(*v));
  return out;
}

std::optional<FormValue> WriteFormReader::Next() {
  const size_t line = line_;
  std::string_view text;
  bool quoted = false;
  if (!NextView(text, quoted)) return std::nullopt;
  FormValue v;
  v.text = TextFromFile(text);
  v.quoted = quoted;
  v.line = line;
  v.lastOnLine = lastOnLine_;
  return v;
}

std::optional<std::string> WriteFormReader::Text() {
  std::string_view text;
  bool quoted = false;
  if (!NextView(text, quoted)) return std::nullopt;
  return TextFromFile(text);
}

std::optional<long long> WriteFormReader::Integer(long long lo, long long hi) {
  std::string_view raw;
  bool quoted = false;
  if (!NextView(raw, quoted)) return std::nullopt;
  // Plain digits are by far the most common value; take them directly.
  if (!raw.empty() && raw.size() <= 12) {
    size_t i = raw[0] == '-' ? 1 : 0;
    long long n = 0;
    bool plain = i < raw.size();
    for (size_t k = i; k < raw.size() && plain; ++k) {
      if (raw[k] < '0' || raw[k] > '9') plain = false;
      else n = n * 10 + (raw[k] - '0');
    }
    if (plain) {
      if (i) n = -n;
      if (n < lo || n > hi) return std::nullopt;
      return n;
    }
  }
  const std::string t = Trim(raw);
  // An empty value is 0, and must fit the range as any other.
  if (t.empty()) return lo <= 0 && 0 <= hi ? std::optional<long long>(0) : std::nullopt;
  auto value = NumericValue(t, true);
  if (!value) return std::nullopt;
  const double r = std::nearbyint(*value);
  if (r < static_cast<double>(lo) || r > static_cast<double>(hi)) return std::nullopt;
  return static_cast<long long>(r);
}

std::optional<DateTime> WriteFormReader::Date() {
  auto v = Next();
  if (!v) return std::nullopt;
  return ParseWriteFormDate(v->text);
}

std::string SafeFileText(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '"') c = '\'';
    else if (c == '\r' || c == '\n' || c == '\x1A') c = ' ';
  }
  return out;
}

void WriteFormLine::Sep() {
  if (!first_) line_ += ',';
  first_ = false;
}

WriteFormLine& WriteFormLine::Text(std::string_view text) {
  Sep();
  line_ += '"';
  line_ += SafeFileText(text);
  line_ += '"';
  return *this;
}

WriteFormLine& WriteFormLine::Number(long long value) {
  Sep();
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  line_.append(digits, end);
  return *this;
}

WriteFormLine& WriteFormLine::Date(const DateTime& value) {
  Sep();
  line_ += WriteFormDate(value);
  return *this;
}

WriteFormLine& WriteFormLine::Raw(std::string_view bareValue) {
  Sep();
  line_ += SafeFileText(bareValue);
  return *this;
}

}  // namespace hrs
