#pragma once
#include <QPointer>
#include <QWidget>

#include "core/platform/dialogs.h"

class QPrinter;

namespace hrs::app {

// The dialogs of the system on screen: message boxes, input boxes and the
// common dialogs, modal to the main window.
class QtDialogs : public Dialogs {
 public:
  // The printer is the one the printer dialog sets up for the next printout.
  explicit QtDialogs(QPrinter& printer, QWidget* parent = nullptr);

  void SetParent(QWidget* parent) { parent_ = parent; }

  // The defaults of Dialogs, for calls on this class itself; the name is
  // for hrs-cli.
  Answer Message(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                 const std::string& title = {}, QuestionName name = {}) override;
  std::optional<std::string> Input(const std::string& prompt, const std::string& title, const std::string& defaultText,
                                   QuestionName name = {}) override;
  void Beep() override;
  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                            const std::string& directory) override;
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                            const std::string& directory) override;
  // The dialog itself asks before replacing the file named in it.
  int ChosenFileType() const override { return chosenType_; }
  std::optional<FontChoice> ChooseFixedFont(const FontChoice& current) override;
  bool ChoosePrinter() override;
  bool ChoosePageSetup() override;

 private:
  QPrinter& printer_;
  QPointer<QWidget> parent_;
  int chosenType_ = -1;
};

// The caption of a dialog: its own title, or the program's name.
QString DialogTitle(const std::string& title);

}  // namespace hrs::app
