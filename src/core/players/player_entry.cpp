#include "core/players/player_entry.h"

#include "core/data/file_change.h"
#include "core/data/file_io.h"
#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

inline constexpr int HighestStartRating = 2099;

size_t CharacterCount(std::string_view text) {
  size_t n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::string WithoutLeadingSpaces(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

// A changed text keeps its stored form when it is the same text.
TextField Changed(const TextField& old, const std::string& text) {
  return old.str() == text ? old : TextField::Of(text);
}

struct Refusal {
  EntryOutcome& out;
  Dialogs& dialogs;

  EntryOutcome& At(const char* field, std::string problem) {
    out.focus = field;
    out.problem = std::move(problem);
    return out;
  }
  EntryOutcome& Told(const char* field, const std::string& message, bool beep, Icon icon = Icon::None) {
    if (beep) dialogs.Beep();
    dialogs.Message(message, Buttons::Ok, icon);
    out.messageShown = true;
    return At(field, message);
  }
};

std::string UnstorableMessage(const char* what) {
  return std::string("The ") + what +
         " cannot hold a double quote, a line break or a tab.\rPlease use an apostrophe instead of a double quote.";
}

// Both files take a new record, or neither, as one change (a run killed on
// the way leaves both as they were).
std::optional<std::string> StoreNewRecord(Database& db, int sysId, bool append) {
  PlayerTable& players = db.players;
  if (players.PlayerCount > PlayerCapacity) players.PlayerCount = PlayerCapacity;
  FileChange change;
  if (players.PlayerCount > 0)
    change.rewrites.push_back({db.location.DataPath(StatFile), RatingStatsBytes(db.stats, players.PlayerCount)});
  const auto playerPath = db.location.DataPath(PlayerFile);
  if (append) change.appends.push_back({playerPath, PlayerLine(players[sysId])});
  else change.rewrites.push_back({playerPath, PlayerFileBytes(players)});
  if (auto error = ChangeFilesTogether(change))
    return "The player file and the file of rating statistics could not be written.\r" + *error;
  return std::nullopt;
}

void StartStatistics(RatingStats& stats, int sysId, int16_t rating) {
  for (int c = 1; c <= 13; ++c) stats.At(sysId, c) = 0;
  stats.At(sysId, 1) = rating;
}

}  // namespace

bool HoldsUnstorableText(std::string_view text) {
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || u < 0x20 || u == 0x7F) return true;
  }
  return false;
}

EntryOutcome SavePlayerEntry(PlayerEntry& e, Database& db, Dialogs& dialogs) {
  EntryOutcome out;
  Refusal refuse{out, dialogs};
  PlayerTable& players = db.players;
  const bool isNew = e.mode == PlayerMode::NewPlayer;
  const bool isChange = e.mode == PlayerMode::Change;
  const bool isDelete = e.mode == PlayerMode::Delete;
  if (!isNew && !isChange && !isDelete) return out;

  const auto typedId = NumericValue(e.text1);
  if (!typedId || *typedId < 1) return refuse.At("text1", "The System ID must be a number from 1 upwards.");
  if (isNew && players.PlayerCount >= PlayerCapacity)
    return refuse.Told("text2",
                       "The database of players is full: " + std::to_string(PlayerCapacity) +
                           " players.\r\rVoid Sys Id's marked with 'V' can be re-used in Change mode.",
                       true, Icon::Warning);
  if (!isNew && *typedId > players.PlayerCount) {
    dialogs.Beep();
    out.showPic1 = true;
    return refuse.At("text1", "There is no player with System ID " + Trim(e.text1) + " (the highest is " +
                                  std::to_string(players.PlayerCount) + ").");
  }
  const int sysId = isNew ? players.PlayerCount + 1 : static_cast<int>(*typedId);
  // A void record is a deleted player nulled at the year's change: deleted already.
  if (isDelete && (players[sysId].Status == StatusDeleted || players[sysId].Status == StatusVoid))
    return refuse.Told("text1", "This player is deleted already", true);

  const std::string name = Trim(e.text2);
  if (HoldsUnstorableText(name)) return refuse.Told("text2", UnstorableMessage("name"), true, Icon::Warning);
  if (CharacterCount(name) < 2) return refuse.At("text2", "The name must have at least 2 characters.");

  if (isNew && e.Check1) e.text3 = " ";
  const std::string info = isNew && e.Check1 ? e.text3 : WithoutLeadingSpaces(e.text3);
  if (HoldsUnstorableText(info)) return refuse.Told("text3", UnstorableMessage("info"), true, Icon::Warning);

  int32_t mbShip = NoMembership;
  if (!e.Check2) {
    const std::string typed = Trim(e.text4);
    if (typed.empty()) return refuse.At("text4", "The membership number is missing.");
    const auto value = NumericValue(typed);
    if (!value) return refuse.Told("text4", "Membership number must be numeric", true);
    if (*value == 1) {
      mbShip = NoMembership;
    } else if (*value < 10000 || *value > LargestMbShipNo) {
      return refuse.Told("text4", "Membership number must be 5 - 8 digits", true);
    } else {
      mbShip = static_cast<int32_t>(*value);
    }
  }

  // A void Sys Id given a player again is a new player under that Sys Id.
  const bool reuse = isChange && players[sysId].Status == StatusVoid;
  int16_t startRating = players[sysId].StartRating;
  if (isNew || reuse) {
    const int first = db.setup.FirstRating;
    const auto rating = NumericValue(e.Text5);
    const std::string range =
        "The start rating must be a number from " + std::to_string(first) + " to " +
        std::to_string(HighestStartRating) + ".";
    if (!rating) return refuse.At("Text5", range);
    if (*rating < first || *rating > HighestStartRating) {
      e.Text5 = std::to_string(first);
      return refuse.At("Text5", range);
    }
    startRating = static_cast<int16_t>(*rating);
  } else if (isChange) {
    const auto rating = NumericValue(e.Text5);
    if (!rating || *rating < 1 || *rating > 32767)
      return refuse.At("Text5", "The start rating must be a whole number from 1 to 32767.");
    startRating = static_cast<int16_t>(*rating);
  }

  if ((isNew || isChange) && !e.Check2 && mbShip != NoMembership) {
    for (int id = 1; id <= players.PlayerCount; ++id) {
      if (id == sysId || players[id].MbShipNo != mbShip) continue;
      return refuse.Told("text4",
                         "This membership number is used by\rSys No " + std::to_string(id) + " " + players[id].Name.str(),
                         true, Icon::Warning);
    }
  }

  const PlayerRecord before = players[sysId];
  const int countBefore = players.PlayerCount;
  const int activeBefore = players.ActiveCount;
  const auto statsBefore = db.stats.rows[static_cast<size_t>(sysId)];
  std::optional<std::string> error;
  std::string failed;

  if (isNew || reuse) {
    PlayerRecord p;
    p.SysId = static_cast<int16_t>(sysId);
    p.Name = TextField::Of(name);
    p.Info = TextField::Of(info);
    p.MbShipNo = mbShip;
    p.StartRating = startRating;
    p.Rating = startRating;
    p.Status = StatusActive;
    players[sysId] = p;
    if (isNew) players.PlayerCount = sysId;
    ++players.ActiveCount;
    StartStatistics(db.stats, sysId, startRating);
    // Appended to the players the file holds; a first player, or a file gone
    // meanwhile, gets the whole table written.
    const bool append = isNew && countBefore > 0 && FileExists(db.location.DataPath(PlayerFile));
    error = StoreNewRecord(db, sysId, append);
    failed = isNew ? "The new player was not entered." : "System ID " + std::to_string(sysId) + " was not re-used.";
  } else if (isChange) {
    PlayerRecord& p = players[sysId];
    p.Name = Changed(p.Name, name);
    p.Info = Changed(p.Info, info);
    p.MbShipNo = mbShip;
    p.StartRating = startRating;
    if (auto why = SavePlayers(db.location, players)) error = "The player file could not be written.\r" + *why;
    failed = "The player's data are as before.";
  } else {
    players[sysId].Status = StatusDeleted;
    if (players.ActiveCount > 0 && before.Status == StatusActive) --players.ActiveCount;
    if (auto why = SavePlayers(db.location, players)) error = "The player file could not be written.\r" + *why;
    failed = "The player is not deleted.";
  }

  if (error) {
    // The table keeps what the file holds.
    players[sysId] = before;
    players.PlayerCount = countBefore;
    players.ActiveCount = activeBefore;
    db.stats.rows[static_cast<size_t>(sysId)] = statsBefore;
    dialogs.Message(*error + "\r\r" + failed, Buttons::Ok, Icon::Critical);
    out.messageShown = true;
    out.problem = *error + "\r\r" + failed;
    return out;
  }
  out.saved = true;
  out.sysId = sysId;
  out.reused = reuse;
  return out;
}

}  // namespace hrs
