#include "core/text/align.h"

namespace hrs {

std::string RightAlign(std::string_view text, size_t width) {
  if (text.size() >= width) return std::string(text);
  return std::string(width - text.size(), ' ') + std::string(text);
}

std::string RightAlign(long long value, size_t width) { return RightAlign(std::to_string(value), width); }

std::string LeftPad(std::string_view text, size_t width) {
  if (text.size() >= width) return std::string(text);
  return std::string(text) + std::string(width - text.size(), ' ');
}

std::string TwoDigits(int value) {
  std::string s = std::to_string(value);
  return s.size() < 2 ? "0" + s : s;
}

std::string LastChars(std::string_view text, size_t count) {
  if (text.size() <= count) return std::string(text);
  return std::string(text.substr(text.size() - count));
}

std::string Centred(std::string_view text, size_t width) {
  if (text.size() >= width) return std::string(text);
  return std::string((width - text.size()) / 2, ' ') + std::string(text);
}

}  // namespace hrs
