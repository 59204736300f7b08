#include "core/data/text_field.h"

#include "core/text/numeric.h"

namespace hrs {

TextField TextField::FromValue(const FormValue& v) {
  if (v.quoted) return Of(v.text);
  if (v.text.empty()) return Unset();
  if (IsNumeric(v.text, true)) return {Kind::Number, v.text};
  return Of(v.text);
}

void WriteTextField(WriteFormLine& line, const TextField& field) {
  switch (field.kind) {
    case TextField::Kind::Unset:
      line.Raw("");
      break;
    case TextField::Kind::Number:
      if (IsNumeric(field.value, true)) {
        line.Raw(Trim(field.value));
        break;
      }
      [[fallthrough]];
    case TextField::Kind::Text:
      line.Text(field.value);
      break;
  }
}

}  // namespace hrs
