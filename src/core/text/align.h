#pragma once
#include <string>
#include <string_view>

namespace hrs {

// Fixed-width columns of the screen lists and printed pages. A value wider
// than the column is kept whole, as a list line must never lose digits.
std::string RightAlign(std::string_view text, size_t width);
std::string RightAlign(long long value, size_t width);
std::string LeftPad(std::string_view text, size_t width);  // left-aligned, padded with blanks
std::string TwoDigits(int value);                           // 3 -> "03"
std::string LastChars(std::string_view text, size_t count);
std::string Centred(std::string_view text, size_t width);

// A text left-aligned in exactly `width` characters: padded, or cut where it
// is longer, so that the columns after it and the positions of a sort line
// stay true. A cut never splits a character of several bytes.
std::string FitLeft(std::string_view text, size_t width);

// A text right-aligned in exactly `width` characters; a longer one keeps
// its first characters.
std::string FitRightText(std::string_view text, size_t width);

// A run of n blanks; none for n below 1.
std::string Spaces(int n);

}  // namespace hrs
