#pragma once
#include <optional>
#include <string_view>

namespace hrs {

// The value of a numeric text without a decimal point (trimmed, optional
// sign, digits: the rule of IsNumeric) when it fits 32 bits; nothing
// otherwise. The file passes of the Control Centre take every id through
// here, without the allocations of the general helpers.
inline std::optional<long long> WholeNumber32(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  bool negative = false;
  if (b < e && (text[b] == '+' || text[b] == '-')) negative = text[b++] == '-';
  if (b == e) return std::nullopt;
  long long v = 0;
  for (size_t i = b; i < e; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > 2147483647LL || v < -2147483648LL) return std::nullopt;
  return v;
}

}  // namespace hrs
