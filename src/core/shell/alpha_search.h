#pragma once
#include <string>

#include "core/shell/form_controls.h"

namespace hrs {

// Where the search text is compared in a line: the keyboard mode's name
// list from its start, Add Tournament's list from its tenth character.
inline constexpr size_t AlphaSearchFromStart = 0;
inline constexpr size_t AlphaSearchFromTenth = 9;

// Selects every line whose characters from `offset` start with the search
// text, ignoring case, and deselects the others; an empty text deselects all.
void AlphaSearchSelect(ListBox& list, const std::string& text, size_t offset);

}  // namespace hrs
