#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "core/platform/dialogs.h"

namespace hrs::cli {

// What no screen can answer: no text typed, no file or font chosen, no
// printer; every command's dialogs start from here.
class ScreenlessDialogs : public Dialogs {
 public:
  std::optional<std::string> Input(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
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

// Dialogs for a run without a screen: every message goes to the error stream
// (each "\r" a new line); questions get the answer that writes nothing
// (Cancel, No), except those whose text starts with one of goOnPrefixes,
// which get the answer that goes on (OK, Yes).
class ConsoleDialogs : public ScreenlessDialogs {
 public:
  ConsoleDialogs(std::ostream& err, std::vector<std::string> goOnPrefixes = {})
      : err_(err), goOn_(std::move(goOnPrefixes)) {}

  Answer Message(const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;

  int MessagesShown() const { return shown_; }

 private:
  std::ostream& err_;
  std::vector<std::string> goOn_;
  int shown_ = 0;
};

// "\r" line breaks of a system text as new lines.
std::string ConsoleText(const std::string& text);

}  // namespace hrs::cli
