#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/dialogs.h"

namespace hrs::test {

// Records every call and answers from a script. Without a scripted answer a
// message gets its first button (OK or Yes; No where No is the default), an
// input box its default text.
class ScriptedDialogs : public Dialogs {
 public:
  struct Call {
    std::string kind;  // "message", "input", "beep", "open", "save", "font", "printer", "pagesetup"
    std::string text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    std::string title;
    std::string name;  // the question's name, for hrs-cli
  };

  // Queue answers, consumed in order by the matching kind of call.
  void Answer(hrs::Answer a) { answers_.push_back(a); }
  void InputAnswer(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
  void FileAnswer(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void FontAnswer(std::optional<FontChoice> f) { fonts_.push_back(std::move(f)); }
  void PrinterAnswer(bool ok) { printers_.push_back(ok); }

  hrs::Answer Message(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                      const std::string& title = {}, QuestionName name = {}) override;
  std::optional<std::string> Input(const std::string& prompt, const std::string& title, const std::string& defaultText,
                                   QuestionName name = {}) override;
  void Beep() override { calls.push_back({"beep", "", Buttons::Ok, Icon::None, "", ""}); }
  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                            const std::string& directory) override;
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                            const std::string& directory) override;
  int ChosenFileType() const override { return fileType; }
  int fileType = -1;  // the type the save dialog reports chosen
  std::optional<FontChoice> ChooseFixedFont(const FontChoice& current) override;
  bool ChoosePrinter() override;
  // Runs pageSetupAction (the operator changing the orientation), then
  // answers from the page-setup script (OK by default).
  bool ChoosePageSetup() override;
  void PageSetupAnswer(bool ok) { pageSetups_.push_back(ok); }
  std::function<void()> pageSetupAction;
  // Runs as a message box appears (what the screen shows at that moment).
  std::function<void(const std::string& text)> onMessage;

  // The texts of the message boxes shown, in order.
  std::vector<std::string> Messages() const;
  std::vector<Call> MessageCalls() const;
  int Beeps() const;
  void Clear() { calls.clear(); }

  std::vector<Call> calls;

 private:
  std::deque<hrs::Answer> answers_;
  std::deque<std::optional<std::string>> inputs_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<FontChoice>> fonts_;
  std::deque<bool> printers_;
  std::deque<bool> pageSetups_;
};

}  // namespace hrs::test
