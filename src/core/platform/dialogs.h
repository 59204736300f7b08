#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hrs {

// YesNoDefaultNo: Yes and No with No as the default button, for a question
// whose Yes destroys work.
enum class Buttons { Ok, OkCancel, YesNo, YesNoDefaultNo };
enum class Icon { None, Question, Information, Warning, Critical };
enum class Answer { Ok, Cancel, Yes, No };

struct FontChoice {
  std::string family;
  int pointSize = 10;
};

// The name of a question that a flag of hrs-cli answers. It goes with the
// question so that a command answers by the name, never by the wording; the
// windows ignore it. Other questions have none.
struct QuestionName {
  std::string_view id;
  bool operator==(const QuestionName&) const = default;
};

// Every question and message of the system goes through here. A text with
// line breaks is one string with "\r" between its lines. An empty title
// means the program's own name.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual Answer Message(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                         const std::string& title = {}, QuestionName name = {}) = 0;
  // The text typed, or nothing when the operator cancelled.
  virtual std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                           const std::string& defaultText, QuestionName name = {}) = 0;
  virtual void Beep() = 0;
  // filter: "Description (*.csv *.txt)" style patterns; the chosen path or nothing.
  virtual std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                                    const std::string& directory) = 0;
  virtual std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                                    const std::string& directory) = 0;
  // The file type chosen in the latest save dialog: the index of its entry
  // in the filter, -1 when the dialog does not tell.
  virtual int ChosenFileType() const { return -1; }
  // A fixed-pitch font, or nothing when cancelled.
  virtual std::optional<FontChoice> ChooseFixedFont(const FontChoice& current) = 0;
  // The printer dialog before a printout; false when cancelled.
  virtual bool ChoosePrinter() = 0;
  // The printer set-up dialog, in which the orientation can be changed;
  // false when cancelled.
  virtual bool ChoosePageSetup() { return true; }
};

}  // namespace hrs
