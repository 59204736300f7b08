#pragma once
#include <string>
#include <vector>

#include "core/text/sorted_list.h"

namespace hrs {

// The controls of a window held as plain state in core (a form struct per
// window); the Qt window copies them into its widgets and forwards events.
struct TextBox {
  std::string text;
  bool enabled = true;
  bool visible = true;
  bool readOnly = false;
  int maxLength = 0;  // 0: no limit
};

struct Label {
  std::string caption;
  bool visible = true;
  bool enabled = true;
};

// Command buttons, check boxes, option buttons and frames share this.
struct Button {
  std::string caption;
  bool enabled = true;
  bool visible = true;
  bool value = false;  // checked / chosen
};

struct ListBox {
  std::vector<SortedList::Item> lines;  // in the order shown
  std::vector<int> selected;            // indexes into lines
  int topIndex = 0;                     // the first line shown
  int listIndex = -1;                   // the current line, -1 none
  bool enabled = true;
  bool visible = true;

  void Clear() {
    lines.clear();
    selected.clear();
    topIndex = 0;
    listIndex = -1;
  }
  void AddLine(std::string line, int value = 0) { lines.push_back({std::move(line), value}); }
};

}  // namespace hrs
