#include "core/swiss/workfile.h"

#include "core/data/file_io.h"
#include "core/data/write_form.h"
#include "core/swiss/turn_lines.h"

namespace hrs {

std::string WorkfileBytes(const std::vector<SortedList::Item>& players, const std::vector<SortedList::Item>& slots) {
  std::string bytes;
  for (const auto* list : {&players, &slots})
    for (const auto& item : *list) bytes += WriteFormLine().Text(SafeFileText(item.line)).Str();
  return bytes;
}

WorkfileRead ParseWorkfile(std::string_view bytes, const std::string& name, int playerCount) {
  const std::string notOurs = "The file " + name + "\ris not a workfile of selected players.";
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 && c != '\r' && c != '\n' && c != '\t' && c != '\x1A') return {std::nullopt, notOurs};
  }
  const std::vector<FormValue> values = SplitWriteForm(bytes);
  WorkfileContent content;
  for (size_t i = 0; i < values.size(); ++i) {
    const FormValue& v = values[i];
    // A line edited by hand may hold blanks only; a line of several values
    // belongs to another kind of file.
    if (i + 1 < values.size() && values[i + 1].line == v.line) return {std::nullopt, notOurs};
    if (v.text.empty()) continue;
    // A line as it will be saved again, so that it is sorted the same then.
    std::string text = SafeFileText(v.text);
    const int sysId = LineSysId(text);
    if (sysId > playerCount) {
      ++content.dropped;
    } else if (sysId > 0) {
      content.players.push_back({std::move(text), sysId});
    } else {
      content.slots.push_back({std::move(text), 0});
    }
  }
  if (content.players.empty() && content.slots.empty() && content.dropped == 0)
    return {std::nullopt, "The file " + name + "\rholds no selected players or slots."};
  return {std::move(content), {}};
}

WorkfileRead ReadWorkfile(const std::filesystem::path& path, int playerCount) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return {std::nullopt, ErrorOpeningFile};
  return ParseWorkfile(*bytes, path.string(), playerCount);
}

std::string DroppedLinesNote(int dropped) {
  if (dropped == 1) return "1 player of the workfile has a Sys Id beyond the player table\rand was left out.";
  return std::to_string(dropped) + " players of the workfile have a Sys Id beyond the player table\rand were left out.";
}

}  // namespace hrs
