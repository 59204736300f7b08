#include "core/text/characters.h"

namespace hrs {

namespace {

bool Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The byte where the character numbered `chars` starts (the end when short).
size_t ByteOf(std::string_view text, size_t chars) {
  size_t n = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (Continuation(text[i])) continue;
    if (n == chars) return i;
    ++n;
  }
  return text.size();
}

// The small letter of a capital of two UTF-8 bytes (U+0080..U+07FF); the
// code point itself when it has none of the same length.
char32_t SmallLetter(char32_t c) {
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // À..Þ but ×
  if (c == 0x178) return 0xFF;                               // Ÿ
  const bool pairsFromEven = (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
  const bool pairsFromOdd = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if ((pairsFromEven && c % 2 == 0) || (pairsFromOdd && c % 2 == 1)) return c + 1;
  return c;
}

}  // namespace

size_t CharCount(std::string_view text) {
  size_t n = 0;
  for (char c : text)
    if (!Continuation(c)) ++n;
  return n;
}

std::string FirstChars(std::string_view text, size_t count) { return std::string(text.substr(0, ByteOf(text, count))); }

std::string CharsFrom(std::string_view text, size_t from, size_t count) {
  const std::string_view rest = text.substr(ByteOf(text, from));
  return count == std::string_view::npos ? std::string(rest) : FirstChars(rest, count);
}

std::string FoldCase(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    const auto b = static_cast<unsigned char>(out[i]);
    if (b >= 'A' && b <= 'Z') {
      out[i] = static_cast<char>(b - 'A' + 'a');
    } else if ((b & 0xE0) == 0xC0 && i + 1 < out.size() && Continuation(out[i + 1])) {
      const char32_t c = (char32_t(b & 0x1F) << 6) | (static_cast<unsigned char>(out[i + 1]) & 0x3F);
      const char32_t small = SmallLetter(c);
      out[i] = static_cast<char>(0xC0 | (small >> 6));
      out[i + 1] = static_cast<char>(0x80 | (small & 0x3F));
      ++i;
    }
  }
  return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && FoldCase(text.substr(0, start.size())) == FoldCase(start);
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
  return FoldCase(text).find(FoldCase(part)) != std::string::npos;
}

}  // namespace hrs
