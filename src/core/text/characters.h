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

// The text in one case, for finding names without regard to case: the ASCII
// letters and the accented Latin ones ("Ø" as "ø", "Ł" as "ł"). Each
// character keeps its number of bytes, so a place found in the folded text
// is the same place in the text.
std::string FoldCase(std::string_view text);
bool StartsWithNoCase(std::string_view text, std::string_view start);
bool ContainsNoCase(std::string_view text, std::string_view part);

}  // namespace hrs
