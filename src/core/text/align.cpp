#include "core/text/align.h"

#include "core/text/characters.h"

namespace hrs {

std::string RightAlign(std::string_view text, size_t width) {
  const size_t n = CharCount(text);
  if (n >= width) return std::string(text);
  return std::string(width - n, ' ') + std::string(text);
}

std::string RightAlign(long long value, size_t width) { return RightAlign(std::to_string(value), width); }

std::string LeftPad(std::string_view text, size_t width) {
  const size_t n = CharCount(text);
  if (n >= width) return std::string(text);
  return std::string(text) + std::string(width - n, ' ');
}

std::string TwoDigits(int value) {
  std::string s = std::to_string(value);
  return s.size() < 2 ? "0" + s : s;
}

std::string LastChars(std::string_view text, size_t count) {
  const size_t n = CharCount(text);
  if (n <= count) return std::string(text);
  return std::string(CharsFrom(text, n - count));
}

std::string Centred(std::string_view text, size_t width) {
  const size_t n = CharCount(text);
  if (n >= width) return std::string(text);
  return std::string((width - n) / 2, ' ') + std::string(text);
}

std::string FitLeft(std::string_view text, size_t width) { return LeftPad(FirstChars(text, width), width); }

std::string FitRightText(std::string_view text, size_t width) { return RightAlign(FirstChars(text, width), width); }

std::string Spaces(int n) { return std::string(static_cast<size_t>(n > 0 ? n : 0), ' '); }

}  // namespace hrs
