#pragma once
#include <string>
#include <string_view>

namespace hrs {

// Texts are UTF-8; a column is one character (code point) wide whatever its
// bytes, and a cut never falls inside a character.
size_t CharCount(std::string_view text);
// The first `count` characters (all of a shorter text).
std::string FirstChars(std::string_view text, size_t count);
// The characters from `from` on, at most `count` of them.
std::string CharsFrom(std::string_view text, size_t from, size_t count = std::string_view::npos);

}  // namespace hrs
