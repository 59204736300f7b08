#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/control/membership_index.h"
#include "core/data/database.h"
#include "core/data/failure.h"

namespace hrs {

// One record of a user file as read: date, player 1, player 2, result.
struct UserRecord {
  std::string date, player1, player2, result;
};

// Reading of a file stops after this many records and one more.
inline constexpr size_t UserFileRecordLimit = 32000;

// Why the reading of a user file stopped.
enum class UserFileStop { End, BlankLine, Limit };

// The records of a user file, four values each, taken by position. CR, LF
// and CR LF each end a record. A blank line ends the reading (as the rules
// tell the operator), and so does the limit; the records after either are
// counted so that the operator learns of them. A last record cut short by
// the end of the file is kept with its missing values empty, so that it
// shows as an error instead of going unseen.
struct UserFileRecords {
  std::vector<UserRecord> records;
  UserFileStop stop = UserFileStop::End;
  size_t unread = 0;  // records after the stop
};
UserFileRecords ReadUserFile(std::string_view bytes);
inline std::vector<UserRecord> ReadUserRecords(std::string_view bytes) { return ReadUserFile(bytes).records; }

// The line that ends the review when records were left unread ("12 records
// after a blank line were not read"); empty when every record was read.
std::string UnreadRecordsLine(const UserFileRecords& read);
// The item value of that line in the review list: it is no record and is
// never written to a month file.
inline constexpr int UnreadLineValue = -1;

// Validates records against the setup and the player table and builds
// their review lines; membership numbers become Sys Ids.
class UserRecordChecker {
 public:
  UserRecordChecker(const Database& db, std::string today);
  // `correcting`: a player value of 0 or less is an error without further checks.
  std::string ReviewLine(const UserRecord& record, bool correcting = false) const;

 private:
  const Database& db_;
  std::string today_;
  MembershipIndex index_;
};

// A review line with an error ends in "Error".
bool IsErrorLine(std::string_view line);

// The records of review lines for the month files, per month of the line:
// the winner first, "X" for a draw (player 1 first), else a single blank.
struct MonthFileAppend {
  int month = 0;
  std::string bytes;
  std::vector<size_t> lines;  // the review lines it holds
};
std::vector<MonthFileAppend> MonthFileAppends(const std::vector<std::string>& reviewLines);

// Appends the review lines to the month files of the rating year, all of
// them or none (a run killed on the way is undone by the next one); every
// month file of the year exists afterwards. The reason when nothing was written.
Failure WriteUserLines(const Database& db, const std::vector<std::string>& reviewLines);

// After a write that failed: in the window, and on the command line.
std::string NotWrittenMessage(const std::string& error);
std::string ImportNotWrittenMessage(const std::string& error);

inline constexpr const char* ReviewHeader = "  Date      Player1  Player2 Res";
inline constexpr const char* UserFileRulesTitle = "Adding external user file";
inline constexpr const char* UserFileRules =
    "Any comma-delimited ASCII file is acceptable to the program.\r\rRecord layout: YYYYMMDD, Player 1, Player 2, "
    "Result.\r\rEOR character must be Carriage Return (ASCII 13)\rA blank record will suspend the reading.\r\r"
    "Player 1 and Player 2 MUST be valid Sys Id or MbShip No.\rNo temporary player number will be added to the "
    "file of players.\r\rResult: 1 = Player 1 is winner, 2 = Player 2 is winner, 0 = Draw.\r\rThe results will be "
    "added to the month files by date of result.\rYou may edit the contents of the file from the list shown.";
inline constexpr const char* CantRead2 = "2. Can't read this file. Must stop.";
inline constexpr const char* CantRead3 = "3. Can't read this file. Must stop.";
inline constexpr const char* NoErrorsQuestion = "No errors detected\rDo you wish to add these results to month files?";
inline constexpr const char* NoErrorsTitle = "No errors in imported file";
inline constexpr const char* EraseQuestion =
    "No errors detected\rDo you wish to add these results to month files?Do you want the original file erased now?";
inline constexpr const char* EraseTitle = "What to do with error free imported file";
inline constexpr const char* MatchResultsAdded = "Match results successfully added to month files";
inline constexpr const char* ErrorsChoiceTitle = "What to do with this file";
inline constexpr const char* CorrectionStart =
    "OK. Select each line with error(s) and correct.\rClick the Save button when you are ready.\rYou may delete a "
    "transaction by selecting\rit and clicking Delete.";
inline constexpr const char* CorrectionHelp =
    "Select line, correct errors\rand press Enter or click Correct.\r\rResult (toggle):\r1 = Winner is Player 1\r"
    "2 = Winner is Player 2\r0 = Draw";
inline constexpr const char* ErrorsRemain =
    "There are still error(s) in the file.\r\rThe file must be error free in order to be saved.";
inline constexpr const char* ErrorsRemainTitle = "Errors in imported file";
inline constexpr const char* ValidatedResultsAdded =
    "Validated results successfully added to month files\r\rDon't import this file again (better move, rename or "
    "erase)";

// A final message with the unread-records line, when there is one, after it.
std::string WithUnreadLine(const std::string& message, const std::string& unreadLine);

std::string ErrorsChoicePrompt(size_t errors);
std::string ErasedMessage(const std::string& file);
std::string UntouchedMessage(const std::string& file);

}  // namespace hrs
