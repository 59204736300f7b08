#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/platform/dialogs.h"
#include "core/text/sorted_list.h"

namespace hrs {

// What the operator would otherwise type during the export.
struct ExportChoices {
  std::optional<std::string> code;  // the tournament code; asked when not given
  std::optional<int> ratings;       // 1 the HRS ratings, 2 the default rating; asked when not given
};

struct ExportOutcome {
  enum class Kind {
    Written,    // code + "delt.pre" replaced
    Cancelled,  // the operator ended it at a question
    Refused,    // a message ended it; nothing written
  };
  Kind kind = Kind::Refused;
  std::string code;
  int count = 0;        // the players written
  std::string message;  // the closing message of a written export
  std::string reason;   // why a write failed, when it did
};

// The tournament code as typed: trimmed, in upper case.
std::string TournamentCode(const std::string& typed);

// Exports the selected players to the pre-registration file of a tournament
// of the companion program, with its questions and checks. `selected` are
// the lines of the selected-players list; the validation takes out of it
// the lines that are not exported. The closing message is left to the caller.
ExportOutcome ExportToTournament(std::vector<SortedList::Item>& selected, const Database& db, Dialogs& dialogs,
                                 const ExportChoices& choices = {});

}  // namespace hrs
