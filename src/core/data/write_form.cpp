#include "core/data/write_form.h"

#include <cmath>
#include <cstdlib>

#include "core/text/numeric.h"

namespace hrs {

namespace {

void SplitLine(std::string_view line, size_t lineNo, std::vector<FormValue>& out) {
  size_t i = 0;
  const size_t n = line.size();
  while (true) {
    FormValue v;
    v.line = lineNo;
    // Leading blanks before a value do not count.
    size_t j = i;
    while (j < n && (line[j] == ' ' || line[j] == '\t')) ++j;
    if (j < n && line[j] == '"') {
      v.quoted = true;
      size_t close = line.find('"', j + 1);
      if (close == std::string_view::npos) close = n;
      v.text = std::string(line.substr(j + 1, close - j - 1));
      // Anything between the closing quote and the comma is dropped.
      size_t comma = line.find(',', std::min(close + 1, n));
      out.push_back(std::move(v));
      if (comma == std::string_view::npos) break;
      i = comma + 1;
    } else {
      size_t comma = line.find(',', i);
      const size_t end = comma == std::string_view::npos ? n : comma;
      std::string_view t = line.substr(i, end - i);
      while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
      while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
      v.text.assign(t.data(), t.size());
      out.push_back(std::move(v));
      if (comma == std::string_view::npos) break;
      i = comma + 1;
    }
  }
  out.back().lastOnLine = true;
}

}  // namespace

std::vector<FormValue> SplitWriteForm(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t lf = bytes.find('\n', start);
    size_t end = lf == std::string_view::npos ? bytes.size() : lf;
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (lf == std::string_view::npos) break;
    start = lf + 1;
  }
  // Blank lines at the very end (an editor's extra line break) hold no values.
  while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string_view::npos) lines.pop_back();
  std::vector<FormValue> out;
  out.reserve(lines.size() * 4);
  for (size_t i = 0; i < lines.size(); ++i) SplitLine(lines[i], i, out);
  return out;
}

size_t WriteFormReader::NextLine() const {
  if (pos_ < values_.size()) return values_[pos_].line;
  return values_.empty() ? 0 : values_.back().line + 1;
}

std::optional<FormValue> WriteFormReader::Next() {
  if (pos_ >= values_.size()) return std::nullopt;
  return values_[pos_++];
}

std::optional<std::string> WriteFormReader::Text() {
  auto v = Next();
  if (!v) return std::nullopt;
  return std::move(v->text);
}

std::optional<long long> WriteFormReader::Integer(long long lo, long long hi) {
  if (pos_ >= values_.size()) return std::nullopt;
  const std::string& raw = values_[pos_++].text;
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
  if (t.empty()) return 0;
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
    else if (c == '\r' || c == '\n') c = ' ';
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
  line_ += std::to_string(value);
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
