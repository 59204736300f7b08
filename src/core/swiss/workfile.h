#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/sorted_list.h"

namespace hrs {

// The pre-registration workfile: one quoted line per list line, the
// selected players first, then the reserved slots.
std::string WorkfileBytes(const std::vector<SortedList::Item>& players, const std::vector<SortedList::Item>& slots);

struct WorkfileContent {
  std::vector<SortedList::Item> players;  // player lines, item value the Sys Id
  std::vector<SortedList::Item> slots;    // every other line, item value 0
  int dropped = 0;                        // player lines with a Sys Id beyond the table
};

struct WorkfileRead {
  std::optional<WorkfileContent> content;
  std::string problem;  // the message when there is no content
};

// The lines of a workfile sorted into players and slots. A file that holds
// no line, or lines that are not one text each, is refused with a message.
WorkfileRead ParseWorkfile(std::string_view bytes, const std::string& name, int playerCount);
WorkfileRead ReadWorkfile(const std::filesystem::path& path, int playerCount);

// The note on player lines left out as they name no player of the table.
std::string DroppedLinesNote(int dropped);

inline constexpr const char* ErrorOpeningFile = "Error opening file";

}  // namespace hrs
