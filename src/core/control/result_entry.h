#pragma once
#include <string>

#include "core/data/database.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"

namespace hrs {

// One duel as typed in the Control Centre (or given to hrs-cli add-result).
struct ResultEntry {
  std::string year, month, day;  // Text1, Text2, Text3
  std::string winner, loser;     // Text4, Text5: Sys Id below 10000, else membership number
  bool draw = false;             // Text6 holds "X"
};

enum class EntryField { None, Year, Month, Day, Winner, Loser };

struct [[nodiscard]] ResultEntryOutcome {
  enum class Kind {
    Saved,      // appended to the month file
    Refused,    // at `field`, which gets the focus
    Future,     // "Are you a fortune teller?"
    Cancelled,  // Cancel to a deleted player's question: both ids emptied
    NotWritten, // the month file could not be written; it is as it was
  };
  Kind kind = Kind::Refused;
  EntryField field = EntryField::None;
  // The ids as they stand after a membership number became its Sys Id.
  std::string winner, loser;
  std::string fileName;  // the month file of the result
  std::string line;      // the line appended
  // Why, in words, where the window only beeps or moves the focus.
  std::string reason;
};

inline constexpr const char* FortuneTellerMessage = "Are you a fortune teller?";

// The deleted-player question, "Player 12 is deleted" / "Is the result valid?".
std::string DeletedPlayerQuestion(int sysId);

// The save sequence of keyboard entry: checks the date and both ids in the
// order the operator is told about them, converts membership numbers, and
// appends the duel to the month file of its date (created when missing).
// Nothing is written unless every check passed.
ResultEntryOutcome SaveResultEntry(const ResultEntry& entry, const Database& db, Dialogs& dialogs,
                                   const Clock& clock);

}  // namespace hrs
