#include "support/scripted_dialogs.h"

namespace hrs::test {

hrs::Answer ScriptedDialogs::Message(const std::string& text, Buttons buttons, Icon icon, const std::string& title,
                                     QuestionName name) {
  calls.push_back({"message", text, buttons, icon, title, std::string(name.id)});
  if (onMessage) onMessage(text);
  if (!answers_.empty()) {
    const hrs::Answer a = answers_.front();
    answers_.pop_front();
    return a;
  }
  if (buttons == Buttons::YesNoDefaultNo) return hrs::Answer::No;
  return buttons == Buttons::YesNo ? hrs::Answer::Yes : hrs::Answer::Ok;
}

std::optional<std::string> ScriptedDialogs::Input(const std::string& prompt, const std::string& title,
                                                  const std::string& defaultText, QuestionName name) {
  calls.push_back({"input", prompt, Buttons::OkCancel, Icon::None, title, std::string(name.id)});
  if (!inputs_.empty()) {
    auto a = inputs_.front();
    inputs_.pop_front();
    return a;
  }
  return defaultText;
}

std::optional<std::string> ScriptedDialogs::ChooseOpenFile(const std::string& title, const std::string& filter,
                                                           const std::string&) {
  calls.push_back({"open", filter, Buttons::OkCancel, Icon::None, title, ""});
  if (files_.empty()) return std::nullopt;
  auto a = files_.front();
  files_.pop_front();
  return a;
}

std::optional<std::string> ScriptedDialogs::ChooseSaveFile(const std::string& title, const std::string& filter,
                                                           const std::string&) {
  calls.push_back({"save", filter, Buttons::OkCancel, Icon::None, title, ""});
  if (files_.empty()) return std::nullopt;
  auto a = files_.front();
  files_.pop_front();
  return a;
}

std::optional<FontChoice> ScriptedDialogs::ChooseFixedFont(const FontChoice& current) {
  calls.push_back({"font", current.family, Buttons::OkCancel, Icon::None, "", ""});
  if (fonts_.empty()) return current;
  auto a = fonts_.front();
  fonts_.pop_front();
  return a;
}

bool ScriptedDialogs::ChoosePrinter() {
  calls.push_back({"printer", "", Buttons::OkCancel, Icon::None, "", ""});
  if (printers_.empty()) return true;
  const bool a = printers_.front();
  printers_.pop_front();
  return a;
}

bool ScriptedDialogs::ChoosePageSetup() {
  calls.push_back({"pagesetup", "", Buttons::OkCancel, Icon::None, "", ""});
  if (pageSetupAction) pageSetupAction();
  if (pageSetups_.empty()) return true;
  const bool a = pageSetups_.front();
  pageSetups_.pop_front();
  return a;
}

std::vector<std::string> ScriptedDialogs::Messages() const {
  std::vector<std::string> out;
  for (const auto& c : calls)
    if (c.kind == "message") out.push_back(c.text);
  return out;
}

std::vector<ScriptedDialogs::Call> ScriptedDialogs::MessageCalls() const {
  std::vector<Call> out;
  for (const auto& c : calls)
    if (c.kind == "message") out.push_back(c);
  return out;
}

int ScriptedDialogs::Beeps() const {
  int n = 0;
  for (const auto& c : calls)
    if (c.kind == "beep") ++n;
  return n;
}

}  // namespace hrs::test
