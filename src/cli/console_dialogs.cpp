#include "cli/console_dialogs.h"

#include <algorithm>

namespace hrs::cli {

std::string ConsoleText(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c == '\r') c = '\n';
  return out;
}

Answer ConsoleDialogs::Message(const std::string& text, Buttons buttons, Icon, const std::string& title,
                               QuestionName name) {
  const std::string shown = (titles_ && !title.empty() ? title + ": " : "") + ConsoleText(text);
  if (buttons == Buttons::Ok) {
    ++shown_;
    err_ << shown << "\n";
    return Answer::Ok;
  }
  const auto known = std::find_if(answers_.begin(), answers_.end(),
                                  [&](const NamedAnswer& a) { return !name.id.empty() && a.question == name; });
  if (known == answers_.end()) throw UnansweredQuestion{shown};
  if (!known->goOn) declined_.push_back(name);
  const bool yesNo = buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo;
  const Answer answer = known->goOn ? (yesNo ? Answer::Yes : Answer::Ok) : (yesNo ? Answer::No : Answer::Cancel);
  if (!known->quiet) {
    ++shown_;
    err_ << shown << "\n(answered " << (known->goOn ? (yesNo ? "Yes" : "OK") : (yesNo ? "No" : "Cancel")) << ")\n";
  }
  return answer;
}

bool ConsoleDialogs::Declined(QuestionName name) const {
  return std::find(declined_.begin(), declined_.end(), name) != declined_.end();
}

}  // namespace hrs::cli
