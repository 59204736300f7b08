#include "core/control/tournament_removal.h"

#include "core/control/tournament_collection.h"
#include "core/data/registry_file.h"
#include "core/data/transaction_names.h"
#include "core/platform/question_names.h"
#include "core/text/numeric.h"
#include "core/text/sorted_list.h"

namespace hrs {

std::vector<std::string> RemovalLines(const std::vector<std::string>& registryLines) {
  SortedList buffer;
  for (const auto& line : registryLines) buffer.Add(EqualsNoCase(line, NoQtpFiles) ? line : CandidateLine(line));
  std::vector<std::string> lines;
  for (const auto& item : buffer.Items()) lines.push_back(item.line);
  return lines;
}

std::string NotRegisteredMessage(const std::string& file, int year) {
  return file + " is not in the file of rating adjusting tournaments of " + std::to_string(year);
}

TournamentRemoval RemoveTournament(const Database& db, int year, const std::string& file, Dialogs& dialogs) {
  if (!IsRegistrableName(file)) {
    dialogs.Beep();
    dialogs.Message(NotATournamentFile, Buttons::Ok, Icon::Warning, DeletionNotAccepted);
    return TournamentRemoval::Refused;
  }
  const auto registry = ReadRegistryLines(db.location, year);
  if (!registry) {
    dialogs.Beep();
    dialogs.Message(RegistryNotOpened);
    return TournamentRemoval::Refused;
  }
  const std::vector<std::string> lines = RemovalLines(*registry);
  size_t index = 0;
  while (index < lines.size() && !EqualsNoCase(FileOfCandidateLine(lines[index]), file)) ++index;
  if (index == lines.size()) {
    dialogs.Beep();
    dialogs.Message(NotRegisteredMessage(file, year));
    return TournamentRemoval::Refused;
  }
  // The name as the list shows it.
  const std::string listed = FileOfCandidateLine(lines[index]);
  if (dialogs.Message(RemovalQuestion(listed), Buttons::OkCancel, Icon::Question, RemovalTitle,
                      question::TournamentRemoval) != Answer::Ok)
    return TournamentRemoval::Cancelled;
  if (auto error = RewriteRegistry(db.location, year, RegistryWithout(lines, index))) {
    dialogs.Beep();
    dialogs.Message(listed + " was not removed.\r" + *error, Buttons::Ok, Icon::Critical);
    return TournamentRemoval::Refused;
  }
  dialogs.Message(RemovedMessage(listed));
  return TournamentRemoval::Removed;
}

}  // namespace hrs
