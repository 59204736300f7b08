#include "core/rating/fast_month_list.h"

#include <array>
#include <cstring>

namespace hrs {

namespace {

// Ids of n digits take the keys after all ids of fewer digits.
constexpr std::array<uint32_t, 9> DigitsOffset = {0, 0, 10, 110, 1110, 11110, 111110, 1111110, 11111110};

struct PlainId {
  uint32_t key = 0;
  uint32_t value = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<PlainId> PlainDigits(std::string_view s) {
  if (s.empty() || s.size() > 8) return std::nullopt;
  uint32_t v = 0;
  for (char c : s) {
    if (!IsDigit(c)) return std::nullopt;
    v = v * 10 + static_cast<uint32_t>(c - '0');
  }
  return PlainId{DigitsOffset[s.size()] + v, v};
}

// "" < " " < "X" = "x" without regard to case; other codes are not usual.
std::optional<uint32_t> CodeRank(std::string_view code) {
  if (code.empty()) return 0;
  if (code.size() != 1) return std::nullopt;
  if (code[0] == ' ') return 1;
  if (code[0] == 'X' || code[0] == 'x') return 2;
  return std::nullopt;
}

uint64_t PackKey(uint32_t day, uint32_t first, uint32_t second, uint32_t code) {
  return (static_cast<uint64_t>(day) << 56) | (static_cast<uint64_t>(first) << 29) |
         (static_cast<uint64_t>(second) << 2) | code;
}

// One month-file line of the usual shape, parsed in place.
class LineScanner {
 public:
  LineScanner(std::string_view bytes) : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}

  // True at the end of the file (blank lines at the very end hold no values).
  bool AtEnd() {
    for (const char* q = p_; q < end_; ++q)
      if (*q != '\r' && *q != '\n' && *q != ' ' && *q != '\t') return false;
    return true;
  }
  // A value of digits, quoted or bare, then a comma.
  bool Digits(size_t minLen, size_t maxLen, std::string_view& out) {
    const bool quoted = p_ < end_ && *p_ == '"';
    if (quoted) ++p_;
    const char* b = p_;
    while (p_ < end_ && IsDigit(*p_)) ++p_;
    const size_t n = static_cast<size_t>(p_ - b);
    if (n < minLen || n > maxLen) return false;
    if (quoted) {
      if (p_ >= end_ || *p_ != '"') return false;
      ++p_;
    }
    if (p_ >= end_ || *p_ != ',') return false;
    ++p_;
    out = std::string_view(b, n);
    return true;
  }

  // The code, quoted or bare, then the end of the line.
  bool Code(std::string_view& out) {
    if (p_ < end_ && *p_ == '"') {
      ++p_;
      const char* b = p_;
      while (p_ < end_ && *p_ != '"' && *p_ != '\r' && *p_ != '\n' && p_ - b < 2) ++p_;
      if (p_ >= end_ || *p_ != '"') return false;
      out = std::string_view(b, static_cast<size_t>(p_ - b));
      ++p_;
    } else {
      const char* b = p_;
      if (p_ < end_ && (*p_ == 'X' || *p_ == 'x')) ++p_;
      out = std::string_view(b, static_cast<size_t>(p_ - b));
    }
    if (p_ < end_ && *p_ == '\r') ++p_;
    if (p_ >= end_) return true;
    if (*p_ != '\n') return false;
    ++p_;
    return true;
  }

 private:
  const char* p_;
  const char* end_;
};

// Stable least-significant-digit radix sort on the key.
template <typename T>
void RadixSort(std::vector<T>& v) {
  constexpr int Bits = 11;
  constexpr size_t Buckets = size_t{1} << Bits;
  constexpr int Passes = 6;  // 66 bits cover the 63 of the key
  std::vector<std::array<uint32_t, Buckets>> counts(Passes);
  for (auto& c : counts) c.fill(0);
  for (const auto& x : v)
    for (int p = 0; p < Passes; ++p) ++counts[p][(x.key >> (p * Bits)) & (Buckets - 1)];
  std::vector<T> tmp(v.size());
  for (int p = 0; p < Passes; ++p) {
    auto& c = counts[p];
    // A pass where every key has the same digit changes nothing.
    if (c[(v.front().key >> (p * Bits)) & (Buckets - 1)] == v.size()) continue;
    uint32_t sum = 0;
    for (auto& n : c) {
      const uint32_t k = n;
      n = sum;
      sum += k;
    }
    for (const auto& x : v) tmp[c[(x.key >> (p * Bits)) & (Buckets - 1)]++] = x;
    v.swap(tmp);
  }
}

}  // namespace

bool FastMonthList::Add(const MonthResult& r) {
  const auto day = PlainDigits(r.day);
  const auto first = PlainDigits(r.first);
  const auto second = PlainDigits(r.second);
  const auto code = CodeRank(r.code);
  if (r.day.size() != 2 || !day || !first || !second || !code) return false;
  items_.push_back({PackKey(day->value, first->key, second->key, *code),
                    static_cast<int16_t>(identify_.Identify(static_cast<long long>(first->value))),
                    static_cast<int16_t>(identify_.Identify(static_cast<long long>(second->value))),
                    r.code == "X"});
  return true;
}

bool FastMonthList::AddMonthFile(std::string_view bytes, std::string_view today) {
  const size_t before = items_.size();
  auto fail = [&] {
    items_.resize(before);
    return false;
  };
  LineScanner s(bytes);
  while (!s.AtEnd()) {
    std::string_view date, first, second, code;
    if (!s.Digits(8, 8, date) || !s.Digits(1, 8, first) || !s.Digits(1, 8, second) ||
        !s.Code(code))
      return fail();
    const auto rank = CodeRank(code);
    if (!rank) return fail();
    // Lines dated after today are not collected.
    if (today.size() == 8 && std::memcmp(date.data(), today.data(), 8) > 0) continue;
    if (today.size() != 8 && std::string_view(date) > today) continue;
    const uint32_t day = static_cast<uint32_t>((date[6] - '0') * 10 + (date[7] - '0'));
    const auto a = *PlainDigits(first);
    const auto b = *PlainDigits(second);
    items_.push_back({PackKey(day, a.key, b.key, *rank),
                      static_cast<int16_t>(identify_.Identify(static_cast<long long>(a.value))),
                      static_cast<int16_t>(identify_.Identify(static_cast<long long>(b.value))),
                      code == "X"});
  }
  return true;
}

std::vector<RatedEntry> FastMonthList::Sorted() {
  std::vector<RatedEntry> entries;
  if (items_.empty()) return entries;
  RadixSort(items_);
  entries.reserve(items_.size());
  uint64_t currentDay = items_.front().key >> 56;
  for (const auto& x : items_) {
    const uint64_t day = x.key >> 56;
    entries.push_back({x.first, x.second, x.draw, day != currentDay});
    currentDay = day;
  }
  return entries;
}

}  // namespace hrs
