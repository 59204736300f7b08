#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/control/tournament_collection.h"
#include "core/control/tournament_validation.h"
#include "core/data/database.h"
#include "core/platform/dialogs.h"
#include "core/swiss/companion_files.h"
#include "core/text/sorted_list.h"

namespace hrs {

// Adding a tournament file of the directory to the rating year, in the
// steps that Add Tournament and hrs-cli share, each with the window's
// messages and questions.

// Whether Add Tournament offers the directory's tournament file `name`
// (compared ignoring case), and the name it gives the file.
enum class Offer { Offered, NotInDirectory, RegisteredAlready };
struct TournamentOffer {
  Offer offer = Offer::NotInDirectory;
  std::string file;
};
TournamentOffer OfferedTournament(const Database& db, const std::string& name);

// A file that passed the checks before its validation.
struct TournamentToAdd {
  std::string file;  // the name as the directory listing gives it
  std::filesystem::path path;
  bool own = false;  // a small tournament's file, registered as it stands
  int year = 0;
  // The companion tournament's participants, when they could be read.
  std::vector<CompanionParticipant> participants;
  bool participantsLoaded = false;
  std::vector<std::string> registered;  // the registry's lines
};

// The checks before validation: the companion tournament's setup and
// participants (when they cannot be read, the question whether to go on
// with the recognized players only), the file's year, the registry.
// Nothing when refused, the operator told why.
std::optional<TournamentToAdd> CheckTournamentToAdd(const Database& db, const std::string& file, Dialogs& dialogs);

// The first pass over a companion file: the unknown players' lines, sorted
// so that one player's lines stand together. Nothing when the file cannot
// be read (the operator told).
struct UnknownPlayerLines {
  std::vector<SortedList::Item> lines;
  bool tookAWhile = false;  // a file long enough to announce "may take a while"
};
std::optional<UnknownPlayerLines> FindUnknownTournamentPlayers(const TournamentToAdd& t, const Database& db,
                                                               Dialogs& dialogs);

// The lines with each player once.
std::vector<SortedList::Item> DistinctLines(std::vector<SortedList::Item> lines);

// The participants of unknown players' lines of the companion file `file`
// added as new players (see AddParticipants); `refused` holds indexes into
// `lines`. The caller tells the operator of an error.
AddedPlayers AddUnknownPlayers(Database& db, const std::string& file,
                               const std::vector<CompanionParticipant>& participants,
                               const std::vector<SortedList::Item>& lines, Dialogs& dialogs);

// Validates the file and registers it (a small tournament's file as it
// stands, after "No errors found"). The caller tells the outcome with
// TellRegistration.
RegisteredTournament RegisterTournament(const TournamentToAdd& t, const Database& db, Dialogs& dialogs);
void TellRegistration(const TournamentToAdd& t, const RegisteredTournament& done, Dialogs& dialogs);

}  // namespace hrs
