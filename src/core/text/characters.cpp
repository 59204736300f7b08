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

}  // namespace hrs
