#pragma once
#include <array>
#include <string>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"

namespace hrs {

inline constexpr const char* SetupFormCaption = "Ranking System Setup ";
inline constexpr int SetupFieldCount = 10;

// The captions printed beside Text1..Text10, in that order.
const std::array<const char*, SetupFieldCount>& SetupCaptions();

// What the operator sees and types: SetupFields[0] is Text1.
using SetupFields = std::array<std::string, SetupFieldCount>;

// The fields filled from the record.
SetupFields SetupFieldsFrom(const SetupRecord& setup);

struct [[nodiscard]] SetupSaveOutcome {
  bool saved = false;  // the setup file was written and "Setup saved" shown
  int focus = 0;       // 1..10: the Text field to give the focus to; 0 none
};

// "&Save": checks and stores the fields one by one. A field that passes goes
// into the record at once, so a later refusal leaves the earlier ones changed
// in memory but not saved. A refused field may get the record's value back
// (`fields` is updated). The rating year is saved at once when it passes;
// an earlier year runs the rating year roll-back.
SetupSaveOutcome SaveSetupForm(SetupFields& fields, Database& db, Dialogs& dialogs, const Clock& clock);

}  // namespace hrs
