#include "core/control/result_entry.h"

#include "core/data/file_io.h"
#include "core/data/month_file.h"
#include "core/data/transaction_names.h"
#include "core/platform/question_names.h"
#include "core/text/align.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

using Kind = ResultEntryOutcome::Kind;

constexpr long long FirstMembershipValue = 10000;

ResultEntryOutcome Refuse(ResultEntryOutcome out, EntryField field, std::string reason) {
  out.kind = Kind::Refused;
  out.field = field;
  out.reason = std::move(reason);
  return out;
}

// A whole number as typed, or nothing.
std::optional<long long> WholeNumber(const std::string& text) {
  const auto v = NumericValue(text);
  if (!v || *v > 1e15 || *v < -1e15) return std::nullopt;
  return static_cast<long long>(*v);
}

struct Side {
  EntryField field;
  const char* role;            // "winner" / "loser"
  const char* noSysId;         // "Winner number does not exist"
  const char* noMembership;    // "Winner Number does not exist"
};

// Turns one typed id into a Sys Id, or fills `out` with the refusal.
std::optional<int> ResolveId(const std::string& typed, const Side& side, const Database& db, Dialogs& dialogs,
                             ResultEntryOutcome& out) {
  const PlayerTable& players = db.players;
  const auto value = WholeNumber(typed);
  if (!value) {
    dialogs.Beep();
    out = Refuse(out, side.field, std::string("The ") + side.role + " id is not a number");
    return std::nullopt;
  }
  if (*value < FirstMembershipValue) {
    if (*value < 1 || *value > players.PlayerCount) {
      dialogs.Message(side.noSysId);
      out = Refuse(out, side.field, side.noSysId);
      return std::nullopt;
    }
    const int id = static_cast<int>(*value);
    if (players[id].Status != StatusActive) {
      dialogs.Beep();
      const Answer a =
          dialogs.Message(DeletedPlayerQuestion(id), Buttons::OkCancel, Icon::Question, {}, question::DeletedPlayer);
      if (a != Answer::Ok) {
        out.kind = Kind::Cancelled;
        out.field = EntryField::Winner;
        out.winner.clear();
        out.loser.clear();
        out.reason = DeletedPlayerQuestion(id);
        return std::nullopt;
      }
    }
    return id;
  }
  // 999999 is "no membership number": it names nobody.
  if (*value != NoMembership) {
    for (int id = 1; id <= players.PlayerCount; ++id)
      if (players[id].MbShipNo == *value) return id;
  }
  dialogs.Message(side.noMembership);
  out = Refuse(out, side.field, side.noMembership);
  return std::nullopt;
}

}  // namespace

std::string DeletedPlayerQuestion(int sysId) {
  return "Player " + std::to_string(sysId) + " is deleted\rIs the result valid?";
}

ResultEntryOutcome SaveResultEntry(const ResultEntry& entry, const Database& db, Dialogs& dialogs,
                                   const Clock& clock) {
  ResultEntryOutcome out;
  out.winner = entry.winner;
  out.loser = entry.loser;

  const auto year = WholeNumber(entry.year);
  if (!year) return Refuse(out, EntryField::Year, "The year is not a number");
  const auto month = WholeNumber(entry.month);
  if (!month) return Refuse(out, EntryField::Month, "The month is not a number");
  const auto day = WholeNumber(entry.day);
  if (!day) return Refuse(out, EntryField::Day, "The day is not a number");

  const Date today = clock.Today();
  if (*year < db.setup.RatingYear - 1 || *year > today.year || *year < 1996)
    return Refuse(out, EntryField::Year,
                  "The year must be from 1996, not before the year before the rating year (" +
                      std::to_string(db.setup.RatingYear - 1) + ") and not after this year");
  if (*month < 1 || *month > 12) return Refuse(out, EntryField::Month, "The month must be from 1 to 12");
  if (*day < 1 || *day > 31) return Refuse(out, EntryField::Day, "The day must be from 1 to 31");

  // The date from the values, so that a year typed "02026" or "+2026" still
  // gives an eight-character date.
  const std::string date =
      std::to_string(*year) + TwoDigits(static_cast<int>(*month)) + TwoDigits(static_cast<int>(*day));
  if (date > Yyyymmdd(today)) {
    dialogs.Beep();
    dialogs.Message(FortuneTellerMessage);
    out.kind = Kind::Future;
    out.reason = FortuneTellerMessage;
    return out;
  }

  if (entry.winner.empty()) return Refuse(out, EntryField::Winner, "The winner is missing");
  if (entry.loser.empty()) return Refuse(out, EntryField::Loser, "The loser is missing");
  if (entry.winner == entry.loser) return Refuse(out, EntryField::Loser, "The winner and the loser are the same");

  const auto winner = ResolveId(entry.winner, {EntryField::Winner, "winner", "Winner number does not exist",
                                               "Winner Number does not exist"},
                                db, dialogs, out);
  if (!winner) return out;
  out.winner = std::to_string(*winner);
  if (out.loser.empty()) return Refuse(out, EntryField::Loser, "The loser is missing");
  const auto loser = ResolveId(entry.loser, {EntryField::Loser, "loser", "Loser number does not exist",
                                             "Loser Number does not exist"},
                               db, dialogs, out);
  if (!loser) return out;
  out.loser = std::to_string(*loser);
  // A membership number and a Sys Id may name the same player.
  if (*winner == *loser) return Refuse(out, EntryField::Loser, "The winner and the loser are the same player");

  const Transaction t{date, out.winner, out.loser, entry.draw ? DrawCode : WinCode};
  out.fileName = MonthFileName(static_cast<int>(*year), static_cast<int>(*month));
  out.line = MonthFileLine(t, IdForm::Quoted);
  const auto path = db.location.DataPath(out.fileName);
  const bool existed = FileExists(path);
  if (auto error = AppendTransaction(db.location, static_cast<int>(*year), static_cast<int>(*month), t,
                                     IdForm::Quoted)) {
    // A file made by this failed append goes again, as it never held anything.
    std::error_code ec;
    if (!existed && std::filesystem::file_size(path, ec) == 0 && !ec) std::filesystem::remove(path, ec);
    out.kind = Kind::NotWritten;
    out.reason = "The result was not saved: " + out.fileName + " could not be written.\r" + *error;
    dialogs.Message(out.reason, Buttons::Ok, Icon::Critical);
    return out;
  }
  out.kind = Kind::Saved;
  return out;
}

}  // namespace hrs
