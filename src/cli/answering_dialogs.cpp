#include "cli/answering_dialogs.h"

#include <algorithm>

#include "cli/console_dialogs.h"

namespace hrs::cli {

Answer AnsweringDialogs::Message(const std::string& text, Buttons buttons, Icon, const std::string&) {
  messages_.push_back(text);
  const bool quiet = std::any_of(quiet_.begin(), quiet_.end(),
                                 [&](const std::string& part) { return text.find(part) != std::string::npos; });
  if (buttons != Buttons::Ok) return answer_(text, buttons);
  if (!quiet) out_ << ConsoleText(text) << "\n";
  return Answer::Ok;
}

bool AnsweringDialogs::Shown(const std::string& text) const {
  return std::find(messages_.begin(), messages_.end(), text) != messages_.end();
}

}  // namespace hrs::cli
