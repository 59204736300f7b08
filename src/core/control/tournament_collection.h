#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/platform/dialogs.h"
#include "core/shell/form_controls.h"

namespace hrs {

// The tournament result files of the directory ("rqtp*.*;rhrs*"), in the
// order of a file list.
std::vector<std::string> TournamentFileNames(const DataLocation& where);

// A file name as the candidate and registry lists show it: the first four
// characters in capitals, "-", the rest in capitals (RQTP-ABCD.DAT).
std::string CandidateLine(const std::string& fileName);
// The file name of such a line: the line without its hyphen.
std::string FileOfCandidateLine(const std::string& line);

// The candidate lines of the files in `files` less the registered names
// (compared ignoring case).
std::vector<std::string> CandidateLines(const ListBox& files, const std::vector<std::string>& registered);

// Players to be added from a companion tournament's participants.
struct NewParticipant {
  std::string name;
  int32_t mbShipNo = 0;
};
struct [[nodiscard]] AddedPlayers {
  std::vector<int> sysIds;       // the new players' Sys Ids
  std::vector<size_t> refused;   // indexes of those whose membership number is held already
  std::optional<std::string> error;  // the files could not be written: nobody was added
};
// Appends each participant whose membership number no player holds as a new
// player (FirstRating, info = the tournament code), tells the operator of
// each refused one, then saves the statistics and the player file.
AddedPlayers AddParticipants(Database& db, const std::vector<NewParticipant>& participants,
                             const std::string& code, Dialogs& dialogs);

// The registry after removing the name at `index` of the registry lines as
// Remove Tournament lists them.
std::vector<std::string> RegistryWithout(const std::vector<std::string>& lines, size_t index);

inline constexpr const char* NoTournamentFilesInDirectory = "No QTP/HRS tournament files in the directory";
inline constexpr const char* NoNewTournaments = "No new tournaments to add";
inline constexpr const char* TournamentSetupNotFound = "Tournament setup not found";
inline constexpr const char* QtpDirectoryNotFound = "QTP directory not found";
inline constexpr const char* ParticipantsFailure =
    "Tournament files not found or read error.\rOption of addition of players to\rthe database can not be "
    "activated.\r\rAdd the transaction file with results from recognized players only?";
inline constexpr const char* ParticipantsFailureTitle = "Tournament files not found";
inline constexpr const char* FileDateNotRatingYear = "File Date is not current rating year";
inline constexpr const char* RegistryUnreadable =
    "Error reading file of rating adjusting tournaments.\rMust leave this procedure. ";
inline constexpr const char* RegisteredAlready = "A file of this name is registered already";
inline constexpr const char* NoErrorsFound = "No errors found";
inline constexpr const char* UnknownPlayersHeader = " Current Database        Non matching";
inline constexpr const char* AddNowQuestion = "Do you wish to add the tournament now?";
inline constexpr const char* AddNowTitle = "Add the tournament now?";
inline constexpr const char* RegistryNotOpened =
    "Error opening file of rating adjusting tournaments or file not found";
inline constexpr const char* NotATournamentFile = "Not a tournament file";
inline constexpr const char* DeletionNotAccepted = "Deletion not accepted";
inline constexpr const char* RemovalTitle = "Removal of tournament";

std::string AddedMessage(int bypassed, bool firstRegistration);
std::string NotAddedMessage(const std::string& file, const std::string& reason);
std::string UnknownPlayersMessage(size_t count);
std::string UnknownPlayersHelp(size_t count);
std::string MembershipHeldMessage(int32_t mbShipNo, const std::string& holder, const std::string& participant);
std::string RemovalQuestion(const std::string& file);
std::string RemovedMessage(const std::string& file);

}  // namespace hrs
