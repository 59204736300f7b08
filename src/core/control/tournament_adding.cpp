#include "core/control/tournament_adding.h"

#include <algorithm>

#include "core/data/file_io.h"
#include "core/data/registry_file.h"
#include "core/data/transaction_names.h"
#include "core/platform/question_names.h"
#include "core/text/numeric.h"

namespace hrs {

TournamentOffer OfferedTournament(const Database& db, const std::string& name) {
  const std::vector<std::string> registered = ReadRegistry(db.location, db.setup.RatingYear);
  const auto isRegistered = [&](const std::string& file) {
    return std::any_of(registered.begin(), registered.end(),
                       [&](const std::string& r) { return EqualsNoCase(r, file); });
  };
  for (const auto& file : TournamentFileNames(db.location)) {
    if (!EqualsNoCase(file, name)) continue;
    if (isRegistered(file)) return {Offer::RegisteredAlready, file};
    return {Offer::Offered, FileOfCandidateLine(CandidateLine(file))};
  }
  return {isRegistered(name) ? Offer::RegisteredAlready : Offer::NotInDirectory, name};
}

std::optional<TournamentToAdd> CheckTournamentToAdd(const Database& db, const std::string& file, Dialogs& dialogs) {
  TournamentToAdd t;
  t.file = file;
  t.path = FindNoCase(db.location.DataDir(), file);
  t.own = ToUpper(file.substr(0, 4)) == "RHRS";

  if (!t.own) {
    const std::string code = file.substr(4, 4);
    auto setup = ReadCompanionSetup(db.location, code);
    if (!setup) dialogs.Message(TournamentSetupNotFound, Buttons::Ok, Icon::Critical, QtpDirectoryNotFound);
    std::optional<std::vector<CompanionParticipant>> table;
    if (setup && setup->value3 != 0) table = ReadParticipants(db.location, code);
    if (table) {
      t.participants = std::move(*table);
      t.participantsLoaded = true;
    } else {
      dialogs.Beep();
      if (dialogs.Message(ParticipantsFailure, Buttons::OkCancel, Icon::Question, ParticipantsFailureTitle,
                          question::RecognizedPlayersOnly) != Answer::Ok)
        return std::nullopt;
    }
  }

  const auto year = TournamentYear(t.path, !t.own);
  if (!year || *year != db.setup.RatingYear) {
    dialogs.Beep();
    dialogs.Message(FileDateNotRatingYear);
    return std::nullopt;
  }
  t.year = *year;

  std::error_code ec;
  if (std::filesystem::exists(db.location.DataPath(RegistryFileName(t.year)), ec)) {
    auto lines = ReadRegistryLines(db.location, t.year);
    if (!lines) {
      dialogs.Beep();
      dialogs.Message(RegistryUnreadable);
      return std::nullopt;
    }
    t.registered = std::move(*lines);
  }
  if (std::any_of(t.registered.begin(), t.registered.end(),
                  [&](const std::string& line) { return EqualsNoCase(line, file); })) {
    dialogs.Beep();
    dialogs.Message(RegisteredAlready);
    return std::nullopt;
  }
  return t;
}

std::optional<UnknownPlayerLines> FindUnknownTournamentPlayers(const TournamentToAdd& t, const Database& db,
                                                               Dialogs& dialogs) {
  const auto bytes = ReadWholeFile(t.path);
  if (!bytes) {
    dialogs.Beep();
    dialogs.Message("Error opening file " + t.file);
    return std::nullopt;
  }
  UnknownPlayerLines out;
  out.tookAWhile = FirstPassMayTakeAWhile(bytes->size());
  out.lines = FindUnknownPlayers(*bytes, db.players, t.participantsLoaded ? &t.participants : nullptr);
  std::stable_sort(out.lines.begin(), out.lines.end(),
                   [](const SortedList::Item& a, const SortedList::Item& b) { return SortedBefore(a.line, b.line); });
  return out;
}

std::vector<SortedList::Item> DistinctLines(std::vector<SortedList::Item> lines) {
  lines.erase(std::unique(lines.begin(), lines.end(),
                          [](const SortedList::Item& a, const SortedList::Item& b) { return a.line == b.line; }),
              lines.end());
  return lines;
}

AddedPlayers AddUnknownPlayers(Database& db, const std::string& file,
                               const std::vector<CompanionParticipant>& participants,
                               const std::vector<SortedList::Item>& lines, Dialogs& dialogs) {
  std::vector<NewParticipant> chosen;
  std::vector<size_t> chosenLines;
  for (size_t i = 0; i < lines.size(); ++i) {
    const CompanionParticipant* p = FindParticipant(participants, lines[i].value);
    if (!p) continue;
    chosen.push_back({p->name, p->mbShipNo});
    chosenLines.push_back(i);
  }
  AddedPlayers added = AddParticipants(db, chosen, ToUpper(file.substr(4, 4)), dialogs);
  for (size_t& r : added.refused) r = chosenLines[r];
  return added;
}

RegisteredTournament RegisterTournament(const TournamentToAdd& t, const Database& db, Dialogs& dialogs) {
  if (!t.own) return ValidateAndRegister(db.location, t.path, t.file, t.year, db.players);
  dialogs.Message(NoErrorsFound);
  return RegisterUnchanged(db.location, t.file, t.year);
}

void TellRegistration(const TournamentToAdd& t, const RegisteredTournament& done, Dialogs& dialogs) {
  if (done.error) {
    dialogs.Beep();
    dialogs.Message(NotAddedMessage(t.file, *done.error), Buttons::Ok, Icon::Critical);
    return;
  }
  dialogs.Message(AddedMessage(done.bypassed, done.firstRegistration));
}

}  // namespace hrs
