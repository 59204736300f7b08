#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/console_dialogs.h"

namespace hrs::cli {

// Dialogs for a command that drives a window's events: every message is
// kept and printed (each "\r" a new line); questions are not printed but get
// the answer the command's flags give. Messages whose text holds one of `quiet` are
// kept but not printed (the window's own instructions for the mouse).
class AnsweringDialogs : public ScreenlessDialogs {
 public:
  using Answerer = std::function<Answer(const std::string& text, Buttons buttons)>;
  AnsweringDialogs(std::ostream& out, Answerer answer, std::vector<std::string> quiet = {})
      : out_(out), answer_(std::move(answer)), quiet_(std::move(quiet)) {}

  Answer Message(const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;

  const std::vector<std::string>& Messages() const { return messages_; }
  bool Shown(const std::string& text) const;
  // The text of the question that stopped the command, if any.
  std::string stoppedAt;

 private:
  std::ostream& out_;
  Answerer answer_;
  std::vector<std::string> quiet_;
  std::vector<std::string> messages_;
};

}  // namespace hrs::cli
