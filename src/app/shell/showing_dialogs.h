#pragma once
#include <functional>

#include "core/platform/dialogs.h"

namespace hrs::app {

// The dialogs of a window whose events ask questions part-way (Add User
// File asks what to do with the list it has just filled; the Setup window
// names the field it refuses): before each box the window shows its state
// as it stands, so that the operator answers with it in front of him.
class ShowingDialogs : public Dialogs {
 public:
  ShowingDialogs(Dialogs& inner, std::function<void()> show) : inner_(inner), show_(std::move(show)) {}

  Answer Message(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                 const std::string& title = {}, QuestionName name = {}) override {
    show_();
    return inner_.Message(text, buttons, icon, title, name);
  }
  std::optional<std::string> Input(const std::string& prompt, const std::string& title, const std::string& defaultText,
                                   QuestionName name = {}) override {
    show_();
    return inner_.Input(prompt, title, defaultText, name);
  }
  void Beep() override { inner_.Beep(); }
  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                            const std::string& directory) override {
    show_();
    return inner_.ChooseOpenFile(title, filter, directory);
  }
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                            const std::string& directory) override {
    show_();
    return inner_.ChooseSaveFile(title, filter, directory);
  }
  int ChosenFileType() const override { return inner_.ChosenFileType(); }
  std::optional<FontChoice> ChooseFixedFont(const FontChoice& current) override {
    return inner_.ChooseFixedFont(current);
  }
  bool ChoosePrinter() override { return inner_.ChoosePrinter(); }
  bool ChoosePageSetup() override { return inner_.ChoosePageSetup(); }

 private:
  Dialogs& inner_;
  std::function<void()> show_;
};

}  // namespace hrs::app
