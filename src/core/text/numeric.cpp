#include "core/text/numeric.h"

#include <cctype>
#include <cstdlib>

namespace hrs {

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  return std::string(text.substr(b, e - b));
}

std::string ToUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool IsNumeric(std::string_view text, bool allowDecimalPoint) {
  const std::string t = Trim(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  bool digits = false, point = false;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && allowDecimalPoint && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

std::optional<double> NumericValue(std::string_view text, bool allowDecimalPoint) {
  if (!IsNumeric(text, allowDecimalPoint)) return std::nullopt;
  return std::strtod(Trim(text).c_str(), nullptr);
}

double LeadingNumber(std::string_view text) {
  const std::string t = Trim(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  while (i < t.size() && ((t[i] >= '0' && t[i] <= '9') || t[i] == '.')) ++i;
  if (i == 0) return 0;
  return std::strtod(t.substr(0, i).c_str(), nullptr);
}

}  // namespace hrs
