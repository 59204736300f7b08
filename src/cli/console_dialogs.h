#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "core/platform/dialogs.h"

namespace hrs::cli {

// Thrown at a question that the command has no answer for: the command
// stops there, whatever the question says (exit status 3).
struct UnansweredQuestion {
  std::string text;
};

// What no screen can answer: no file or font chosen, no printer; an input
// box stops the command. Every command's dialogs start from here.
class ScreenlessDialogs : public Dialogs {
 public:
  std::optional<std::string> Input(const std::string& prompt, const std::string&, const std::string&,
                                   QuestionName) override {
    throw UnansweredQuestion{prompt};
  }
  void Beep() override {}
  std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<FontChoice> ChooseFixedFont(const FontChoice&) override { return std::nullopt; }
  bool ChoosePrinter() override { return false; }
};

// A command's answer to a question it knows by its name: the answer that
// goes on (OK, Yes) or the one that does not (Cancel, No). A quiet answer is
// printed neither with its question: the command's run itself is the answer.
struct NamedAnswer {
  QuestionName question;
  bool goOn = false;
  bool quiet = false;
};
using NamedAnswers = std::vector<NamedAnswer>;

// Dialogs for a run without a screen: every message goes to the stream
// (each "\r" a new line, after its title); a question gets the command's
// answer to its name, printed after it, and a question the command does not
// know by name stops the command.
class ConsoleDialogs : public ScreenlessDialogs {
 public:
  explicit ConsoleDialogs(std::ostream& err, NamedAnswers answers = {}, bool titles = true)
      : err_(err), answers_(std::move(answers)), titles_(titles) {}

  // The defaults of Dialogs, for calls on this class itself.
  Answer Message(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                 const std::string& title = {}, QuestionName name = {}) override;

  int MessagesShown() const { return shown_; }
  // Whether the question of that name was asked and got the answer that
  // does not go on.
  bool Declined(QuestionName name) const;

 private:
  std::ostream& err_;
  NamedAnswers answers_;
  bool titles_;
  int shown_ = 0;
  std::vector<QuestionName> declined_;
};

// "\r" line breaks of a system text as new lines.
std::string ConsoleText(const std::string& text);

}  // namespace hrs::cli
