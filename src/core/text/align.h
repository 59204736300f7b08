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

}  // namespace hrs
