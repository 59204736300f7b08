#pragma once
#include <string>
#include <vector>

#include "core/shell/form_controls.h"

namespace hrs::test {

// The lines a form's list shows, without their item values.
inline std::vector<std::string> Lines(const ListBox& list) {
  std::vector<std::string> out;
  for (const auto& item : list.lines) out.push_back(item.line);
  return out;
}

}  // namespace hrs::test
