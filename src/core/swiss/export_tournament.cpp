#include "core/swiss/export_tournament.h"

#include <cctype>
#include <set>

#include "core/data/file_io.h"
#include "core/platform/question_names.h"
#include "core/swiss/companion_files.h"
#include "core/swiss/prereg_file.h"
#include "core/swiss/state_file.h"
#include "core/swiss/turn_lines.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

constexpr int DefaultExportRating = 1600;

// A code names files in the companion's directory: letters, digits, "-" and
// "_" only, so that no typed code reaches a file elsewhere.
bool IsCodeOfFiles(const std::string& code) {
  if (code.empty()) return false;
  for (const char c : code)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') return false;
  return true;
}

std::string RatingsQuestion() {
  return "Do you wish to export\r\r1. The ratings from the HRS ranking system\r"
         "2. Default rating (QTP rating update planned)\r\rPlease reply 1 or 2";
}

// Takes out what is not exported: lines that are no player's, a player's
// second line, and for a sanctioned tournament players without membership.
void Validate(std::vector<SortedList::Item>& selected, const PlayerTable& players, bool sanctioned) {
  std::vector<SortedList::Item> kept;
  std::set<int> seen;
  for (auto& item : selected) {
    const int id = LineSysId(item.line);
    if (id < 1 || id > players.PlayerCount) continue;
    if (!seen.insert(id).second) continue;
    if (sanctioned && players[id].MbShipNo == NoMembership) continue;
    kept.push_back(std::move(item));
  }
  selected = std::move(kept);
}

}  // namespace

std::string TournamentCode(const std::string& typed) { return ToUpper(Trim(typed)); }

ExportOutcome ExportToTournament(std::vector<SortedList::Item>& selected, const Database& db, Dialogs& dialogs,
                                 const ExportChoices& choices) {
  ExportOutcome out;
  const auto refuse = [&](const std::string& text, Icon icon = Icon::None, const std::string& title = {}) {
    dialogs.Beep();
    dialogs.Message(text, Buttons::Ok, icon, title);
    out.kind = ExportOutcome::Kind::Refused;
    return out;
  };
  const auto cancelled = [&] {
    out.kind = ExportOutcome::Kind::Cancelled;
    return out;
  };

  if (selected.empty()) return refuse("No players selected");

  const auto typed = choices.code ? choices.code : dialogs.Input("Tournament Code:", "", "");
  if (!typed) return cancelled();
  const std::string code = TournamentCode(*typed);
  if (code.empty()) return cancelled();
  out.code = code;

  const auto state = IsCodeOfFiles(code) ? ReadStateFile(db.location, code) : std::nullopt;
  if (!state) return refuse("Tournament code not found\rDid you create the tournament?");
  if (state->started) {
    dialogs.Beep();
    if (dialogs.Message("The tournament has started\rDo you wish to export?", Buttons::YesNo, Icon::Question,
                        "Export to active tournament", question::StartedTournament) != Answer::Yes)
      return cancelled();
  }
  if (state->secondOfDouble)
    return refuse("Sorry, this is tournament 2 of a double tournament.\rPre-registration is not possible.");

  // Without this tournament's setup nothing is known of it: its values are
  // taken as 0, which ends the export at the count of players supported.
  CompanionSetup setup;
  const auto bytes = ReadWholeFile(db.location.QtpPath(CompanionSetupFileName(code)));
  if (const auto read = bytes ? ParseCompanionSetup(*bytes) : std::nullopt) {
    setup = *read;
  } else {
    dialogs.Beep();
    dialogs.Message("Tournament setup not found", Buttons::Ok, Icon::Critical, "QTP directory not found");
  }
  if (setup.team) return refuse("Sorry, tournament " + code + " is a team tournament\rExport is not possible");

  const std::string kind = setup.sanctioned ? "This is a Sanctioned Tournament.\rPlayers without a valid Membership Id\r"
                                              "will not be exported."
                                            : "This is not a sanctioned tournament\rMembership Id will not be exported";
  if (dialogs.Message(kind, Buttons::OkCancel, Icon::Information, {}, question::TournamentKind) != Answer::Ok)
    return cancelled();
  if (dialogs.Message("The export will overwrite the file of pre-registered\rplayers for tournament " + code +
                          " if any.\rReserved slots are not exported.\rProceed?",
                      Buttons::OkCancel, Icon::Question, {}, question::PreregistrationOverwrite) != Answer::Ok)
    return cancelled();

  Validate(selected, db.players, setup.sanctioned);
  if (selected.empty())
    return refuse(std::string("The validation routine has removed all selected players\r") +
                  (setup.sanctioned ? "Please check the Membership Id of the players"
                                    : "This routine only checks for duplicates"));

  const int count = static_cast<int>(selected.size());
  if (count > setup.maxSupported)
    return refuse("Sorry, this version of the QTP program\rdoes not support that many players");
  if (count > state->maximumPlayers &&
      dialogs.Message("Please note that maximum for this tournament is " + std::to_string(state->maximumPlayers) +
                          " players.\r" + std::to_string(count) + " players will be pre-registered.",
                      Buttons::OkCancel, Icon::None, "High number of pre-registrations",
                      question::OverMaximum) != Answer::Ok)
    return cancelled();

  int ratings = choices.ratings.value_or(0);
  while (ratings != 1 && ratings != 2) {
    const auto answer = dialogs.Input(RatingsQuestion(), "", "");
    if (!answer) return cancelled();
    const std::string reply = Trim(*answer);
    if (reply.empty()) return cancelled();
    if (reply == "1" || reply == "2") ratings = reply[0] - '0';
  }

  std::vector<PreRegEntry> entries;
  entries.reserve(selected.size());
  for (const auto& item : selected) {
    const int id = LineSysId(item.line);
    const PlayerRecord& p = db.players[id];
    entries.push_back({LineName(item.line), ratings == 1 ? p.Rating : DefaultExportRating, id,
                       setup.sanctioned ? static_cast<int>(p.MbShipNo) : 0});
  }
  std::vector<ChangedText> changed;
  if (auto error = WritePreRegFile(db.location, code, entries, &changed)) {
    out.reason = *error;
    return refuse("An unidentified error occurred. Please try again");
  }
  if (auto told = ChangedTextsMessage(PreRegFileName(code), changed)) dialogs.Message(*told);
  out.kind = ExportOutcome::Kind::Written;
  out.count = count;
  out.message = std::to_string(count) + " players for tournament " + code + "\rsuccessfully pre-registered.";
  return out;
}

}  // namespace hrs
