#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hrs {

// One rule for every field: trimmed, optional sign, digits; a decimal point
// only where the caller allows one.
bool IsNumeric(std::string_view text, bool allowDecimalPoint = false);

// The value of a numeric text, or nothing when it is not numeric.
std::optional<double> NumericValue(std::string_view text, bool allowDecimalPoint = false);

// The leading number of a text as a lenient reader takes it ("12abc" -> 12,
// "" -> 0); used where the system converts a text "by its numeric value".
double LeadingNumber(std::string_view text);

std::string Trim(std::string_view text);
std::string ToUpper(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace hrs
