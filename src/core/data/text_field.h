#pragma once
#include <string>

#include "core/data/write_form.h"

namespace hrs {

// A text field of a stored record. Files tell apart a field never given a
// value (written as nothing), a text (written in quotes, "" when empty) and,
// for the carried counts, the bare number 0; all three survive a round trip.
struct TextField {
  enum class Kind { Unset, Text, Number };
  Kind kind = Kind::Unset;
  std::string value;

  static TextField Unset() { return {}; }
  static TextField Of(std::string text) { return {Kind::Text, std::move(text)}; }
  static TextField Zero() { return {Kind::Number, "0"}; }
  static TextField FromValue(const FormValue& v);

  const std::string& str() const { return value; }
  bool operator==(const TextField&) const = default;
};

void WriteTextField(WriteFormLine& line, const TextField& field);

}  // namespace hrs
