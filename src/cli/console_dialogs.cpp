#include "cli/console_dialogs.h"

namespace hrs::cli {

std::string ConsoleText(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c == '\r') c = '\n';
  return out;
}

Answer ConsoleDialogs::Message(const std::string& text, Buttons buttons, Icon, const std::string& title) {
  ++shown_;
  if (!title.empty()) err_ << title << ": ";
  err_ << ConsoleText(text) << "\n";
  bool goOn = false;
  for (const auto& prefix : goOn_)
    if (text.rfind(prefix, 0) == 0) goOn = true;
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::OkCancel:
      err_ << (goOn ? "(answered OK)\n" : "(answered Cancel)\n");
      return goOn ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
      err_ << (goOn ? "(answered Yes)\n" : "(answered No)\n");
      return goOn ? Answer::Yes : Answer::No;
  }
  return Answer::Cancel;
}

}  // namespace hrs::cli
