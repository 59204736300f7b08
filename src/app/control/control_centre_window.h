#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/control/list_show_window.h"
#include "app/shell/showing_dialogs.h"
#include "core/control/control_centre_form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace hrs::app {

class AppContext;


// The Control Centre window dbRating: a mirror of its form state in core.
// Every widget event goes to the core event of that name, then Show(form)
// copies the state back into the widgets.
class ControlCentreWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ControlCentreWindow(AppContext& ctx, QWidget* parent = nullptr);
  ~ControlCentreWindow() override;

  const ControlCentreForm& form() const { return form_; }
  ListShowWindow* listShowWindow() const { return listShow_; }

 protected:
  QSize sizeHint() const override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // Runs a core event (unless one is running already) and shows the outcome.
  void Run(const std::function<void()>& event, bool busy = false);
  void Show();
  // Shows the state part-way through an event, before a question.
  void ShowDuringEvent();
  void ShowListShow();
  void CloseListShow();
  void ShowList(QListWidget* list, const ListBox& box);
  void CloseForm();

  AppContext& ctx_;
  Database& db_;
  ShowingDialogs dialogs_;
  const Clock& clock_;
  ControlCentreForm form_;
  bool showing_ = false;  // widget changes made by Show are no events
  bool running_ = false;  // a core event is under way (its message boxes move the focus)

  QRadioButton* options_[7] = {};
  QPushButton* command_[10] = {};
  QLineEdit* text_[8] = {};
  QLabel* label_[12] = {};
  QListWidget* list1_ = nullptr;
  QListWidget* list2_ = nullptr;
  QListWidget* list3_ = nullptr;
  QListWidget* file1_ = nullptr;
  QListWidget* file2_ = nullptr;
  QCheckBox* check1_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QLabel* pic1_ = nullptr;
  QPointer<ListShowWindow> listShow_;
};

}  // namespace hrs::app
