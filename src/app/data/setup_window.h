#pragma once
#include <QWidget>
#include <array>
#include <functional>

#include "core/data/database.h"
#include "core/data/setup_form.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"

class QLineEdit;
class QPushButton;

namespace hrs::app {

// The Setup window dbSetup: the setup record's fields beside their captions
// (printed in Pic1), Save with the checks of the setup rules, and Close.
class SetupWindow : public QWidget {
  Q_OBJECT
 public:
  // refreshStatus is called when the operator closes the window with Close.
  SetupWindow(Database& db, Dialogs& dialogs, const Clock& clock, std::function<void()> refreshStatus,
              QWidget* parent = nullptr);

  // Puts the record's values into the fields.
  void FillFields();

 private:
  void Save();
  void CloseForm();
  SetupFields Fields() const;

  Database& db_;
  Dialogs& dialogs_;
  const Clock& clock_;
  std::function<void()> refreshStatus_;
  std::array<QLineEdit*, SetupFieldCount> text_{};
  QPushButton* save_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace hrs::app
