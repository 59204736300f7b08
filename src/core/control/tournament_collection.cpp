#include "core/control/tournament_collection.h"

#include <algorithm>

#include "core/control/membership_index.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/registry_file.h"
#include "core/data/write_form.h"
#include "core/text/numeric.h"
#include "core/text/sorted_list.h"

namespace hrs {

namespace fs = std::filesystem;

std::vector<std::string> TournamentFileNames(const DataLocation& where) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(where.DataDir(), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const std::string head = ToUpper(name.substr(0, 4));
    if ((head == "RQTP" || head == "RHRS") && it->is_regular_file(ec)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return SortedBefore(a, b); });
  return names;
}

std::string CandidateLine(const std::string& fileName) {
  return ToUpper(fileName.substr(0, 4)) + "-" + ToUpper(fileName.size() > 4 ? fileName.substr(4) : "");
}

std::string FileOfCandidateLine(const std::string& line) {
  if (line.size() > 4 && line[4] == '-') return line.substr(0, 4) + line.substr(5);
  return line;
}

std::vector<std::string> CandidateLines(const ListBox& files, const std::vector<std::string>& registered) {
  std::vector<std::string> lines;
  for (const auto& item : files.lines) {
    const bool known = std::any_of(registered.begin(), registered.end(),
                                   [&](const std::string& r) { return EqualsNoCase(r, item.line); });
    if (!known) lines.push_back(CandidateLine(item.line));
  }
  return lines;
}

AddedPlayers AddParticipants(Database& db, const std::vector<NewParticipant>& participants,
                             const std::string& code, Dialogs& dialogs) {
  AddedPlayers out;
  PlayerTable& players = db.players;
  const PlayerTable before = players;
  const RatingStats statsBefore = db.stats;
  const int16_t first = static_cast<int16_t>(db.setup.FirstRating);
  for (size_t i = 0; i < participants.size(); ++i) {
    const NewParticipant& p = participants[i];
    const int holder = MembershipIndex(players).Find(p.mbShipNo);
    if (holder != 0) {
      dialogs.Beep();
      dialogs.Message(MembershipHeldMessage(p.mbShipNo, players[holder].Name.str(), p.name));
      out.refused.push_back(i);
      continue;
    }
    if (players.PlayerCount >= PlayerCapacity) {
      out.error = "The player file is full (" + std::to_string(PlayerCapacity) + " players): " + p.name +
                  " and the players after him cannot be added.";
      break;
    }
    const int sysId = players.PlayerCount + 1;
    PlayerRecord r;
    r.SysId = static_cast<int16_t>(sysId);
    r.Name = TextField::Of(SafeFileText(p.name));
    r.Info = TextField::Of(ToUpper(code));
    r.MbShipNo = p.mbShipNo;
    r.StartRating = first;
    r.Rating = first;
    r.Status = StatusActive;
    players[sysId] = r;
    players.PlayerCount = sysId;
    ++players.ActiveCount;
    for (int c = 1; c <= 13; ++c) db.stats.At(sysId, c) = 0;
    db.stats.At(sysId, 1) = first;
    out.sysIds.push_back(sysId);
  }
  if (out.error) {
    players = before;
    db.stats = statsBefore;
    out.sysIds.clear();
    *out.error += "\rNo player was added.";
    return out;
  }
  if (out.sysIds.empty()) return out;
  std::optional<std::string> error;
  if (auto why = SaveRatingStatistics(db.location, db.stats, players.PlayerCount))
    error = "The file of rating statistics could not be written.\r" + *why;
  else if (auto why2 = SavePlayers(db.location, players))
    error = "The player file could not be written.\r" + *why2;
  if (error) {
    players = before;
    db.stats = statsBefore;
    out.sysIds.clear();
    out.error = *error + "\r\rNo player was added.";
  }
  return out;
}

std::vector<std::string> RegistryWithout(const std::vector<std::string>& lines, size_t index) {
  std::vector<std::string> names;
  for (size_t i = 0; i < lines.size(); ++i)
    if (i != index) names.push_back(ToUpper(FileOfCandidateLine(lines[i])));
  return names;
}

std::string AddedMessage(int bypassed, bool firstRegistration) {
  std::string text = "File validated and added";
  if (bypassed > 0)
    text += "\r\r" + std::to_string(bypassed) + " match results were bypassed\rdue to non matching membership " +
            (firstRegistration ? "number" : "id") + " for both players.";
  return text;
}

std::string NotAddedMessage(const std::string& file, const std::string& reason) {
  return file + " was not added.\r" + reason + "\r\rThe file and the file of rating adjusting tournaments are as before.";
}

std::string UnknownPlayersMessage(size_t count) {
  return std::to_string(count) +
         " non-matching transactions were found. \rThe unknown players will now be listed to the right. To the left "
         "\rthe current database is shown. To add players to the database \rselect with left mousebutton. To "
         "unselect click left mousebutton \rand then right mousebutton. When you are finished click 'Add Players'.";
}

std::string UnknownPlayersHelp(size_t count) {
  return std::to_string(count) +
         " non-matching transactions were found. The unknown players are listed to the right. To the left the "
         "current database is shown. To add players to the database select with left mousebutton. To unselect "
         "click left mousebutton and then right mousebutton. When you are finished click 'Add Players' even if "
         "you don't add a single player.";
}

std::string MembershipHeldMessage(int32_t mbShipNo, const std::string& holder, const std::string& participant) {
  return "Membership No " + std::to_string(mbShipNo) + " is registered for " + holder + "\rPlayer " + participant +
         " will not be added\r";
}

std::string RemovalQuestion(const std::string& file) { return "Please confirm removal of tournament " + file; }
std::string RemovedMessage(const std::string& file) {
  return file + " has been removed from the file of rating adjusting tournaments";
}

}  // namespace hrs
