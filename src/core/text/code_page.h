#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hrs {

// Inside the program every text is UTF-8. What a file holds is read here:
// valid UTF-8 stays as it is; anything else is Windows-1252 (the code page of
// the companion program and of files written by older systems) and is
// converted. Every reader of names or free text takes its texts through it.
std::string TextFromFile(std::string_view bytes);
bool IsUtf8(std::string_view bytes);

// A text for a file read by a Windows program: Windows-1252, a character it
// cannot hold written as its nearest plain letter (Ł -> L, ő -> o), else "?".
struct Windows1252Text {
  std::string bytes;
  bool changed = false;  // some character had to be replaced
};
Windows1252Text ToWindows1252(std::string_view utf8);

// The texts of one file written for a Windows program, each converted as
// above; those that had to change are kept (once each) to tell the operator.
struct ChangedText {
  std::string held;     // as the system holds it
  std::string written;  // as the file has it, in UTF-8 to show
  bool operator==(const ChangedText&) const = default;
};
class Windows1252File {
 public:
  std::string Text(std::string_view utf8);
  const std::vector<ChangedText>& Changed() const { return changed_; }

 private:
  std::vector<ChangedText> changed_;
};

// What the operator is told of one such file; nothing when no text changed.
std::optional<std::string> ChangedTextsMessage(const std::string& fileName, const std::vector<ChangedText>& changed);

}  // namespace hrs
