#include "core/control/tournament_validation.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <ctime>

#include "core/control/membership_index.h"
#include "core/control/whole_number.h"
#include "core/data/file_io.h"
#include "core/data/registry_file.h"
#include "core/data/tournament_file.h"
#include "core/data/transaction_names.h"
#include "core/data/write_form.h"
#include "core/text/align.h"
#include "core/text/characters.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

constexpr long long Unknown = NoMembership;

// An id as the file holds it, taken as a 32-bit number.
std::optional<long long> IdValue(const std::string& text) { return WholeNumber32(text); }

// One duel record of five values; false at the end of the file. A record
// cut short by the end is returned with the missing values empty.
bool NextRecord(WriteFormReader& r, std::string (&values)[5], bool& whole) {
  if (r.AtEnd()) return false;
  whole = true;
  for (auto& v : values) {
    auto value = r.Next();
    if (!value) {
      whole = false;
      v.clear();
    } else {
      v = std::move(value->text);
    }
  }
  return true;
}

// The header of the file: the date line, after a "kontrol" of a file
// validated before. Nothing when the file holds no line at all.
std::optional<std::string> ReadHeader(WriteFormReader& r) {
  auto first = r.Text();
  if (!first) return std::nullopt;
  if (*first != ValidatedMark) return first;
  auto date = r.Text();
  return date ? *date : std::string();
}

std::string RegistryLine(const std::string& name) { return WriteFormLine().Text(name).Str(); }

}  // namespace

bool FirstPassMayTakeAWhile(size_t fileLength) { return fileLength / 15 > 300; }

std::vector<SortedList::Item> FindUnknownPlayers(std::string_view bytes, const PlayerTable& players,
                                                 const std::vector<CompanionParticipant>* participants) {
  std::vector<SortedList::Item> found;
  WriteFormReader r(bytes);
  if (!ReadHeader(r)) return found;
  const MembershipIndex index(players);
  const long long count = players.PlayerCount;
  auto note = [&](long long id, const std::string& numberText) {
    if (id <= count || id == Unknown || index.Find(id) != 0 || !participants) return;
    const int number = static_cast<int>(LeadingNumber(numberText));
    const CompanionParticipant* p = FindParticipant(*participants, number);
    const std::string name = p ? FirstChars(p->name, 19) : std::string();
    found.push_back({" " + LeftPad(name, 19) + RightAlign(id, 8), number});
  };
  std::string v[5];
  bool whole = true;
  while (NextRecord(r, v, whole)) {
    const auto id1 = IdValue(v[0]), id2 = IdValue(v[1]);
    if (!id1 || !id2 || (*id1 == Unknown && *id2 == Unknown)) continue;
    note(*id1, v[2]);
    note(*id2, v[3]);
  }
  return found;
}

ValidatedTournament ValidateTournament(std::string_view bytes, const PlayerTable& players) {
  ValidatedTournament out;
  WriteFormReader r(bytes);
  const std::string date = ReadHeader(r).value_or("");
  const MembershipIndex index(players);
  const long long count = players.PlayerCount;
  auto convert = [&](long long id) -> long long {
    if (id <= count || id == Unknown) return id;
    const int sysId = index.Find(id);
    return sysId ? sysId : Unknown;
  };
  std::vector<TournamentDuel> kept;
  std::string v[5];
  bool whole = true;
  while (NextRecord(r, v, whole)) {
    const auto id1 = IdValue(v[0]), id2 = IdValue(v[1]);
    bool bypass = !whole || !id1 || !id2 || (*id1 == Unknown && *id2 == Unknown);
    long long c1 = 0, c2 = 0;
    if (!bypass) {
      c1 = convert(*id1);
      c2 = convert(*id2);
      // Both unknown, or one player twice (also two ids of the same player).
      bypass = c1 == c2;
    }
    if (bypass) {
      ++out.bypassed;
      continue;
    }
    kept.push_back({std::to_string(c1), std::to_string(c2), v[2], v[3], v[4]});
  }
  out.bytes = TournamentFileBytes(date, kept);
  return out;
}

std::string RegistryWithName(const std::optional<std::string>& registryBytes, const std::string& name) {
  if (!registryBytes || ParseRegistry(*registryBytes).empty()) return RegistryLine(name);
  std::string out = *registryBytes;
  if (!out.empty() && out.back() != '\n') out += "\r\n";
  return out + RegistryLine(name);
}

namespace {

// A registry line holds the name in double quotes on one line: a name with a
// quote or a line break would be kept changed, naming no file.
std::optional<std::string> UnregistrableName(const std::string& name) {
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || u < 0x20 || u == 0x7F)
      return "The file name holds a line break, a tab or a double quote, which the file of rating adjusting "
             "tournaments cannot hold. Please rename the file.";
  }
  return std::nullopt;
}

}  // namespace

RegisteredTournament ValidateAndRegister(const DataLocation& where, const std::filesystem::path& path,
                                         const std::string& name, int year, const PlayerTable& players) {
  RegisteredTournament out;
  if ((out.error = UnregistrableName(name))) return out;
  const auto original = ReadWholeFile(path);
  if (!original) {
    out.error = "Cannot read " + path.filename().string();
    return out;
  }
  if (!HoldsValues(*original)) {
    out.error = path.filename().string() + " holds no tournament date";
    return out;
  }
  const auto registryPath = where.DataPath(RegistryFileName(year));
  std::optional<std::string> registry;
  std::error_code ec;
  if (std::filesystem::exists(registryPath, ec)) {
    registry = ReadWholeFile(registryPath);
    if (!registry) {
      out.error = "Cannot read " + registryPath.filename().string();
      return out;
    }
  }
  out.firstRegistration = !registry || ParseRegistry(*registry).empty();
  ValidatedTournament validated = ValidateTournament(*original, players);
  out.bypassed = validated.bypassed;
  // The file and the registry change together, so that the registry never
  // names a file whose validation did not complete.
  out.error = WriteFilesTogether({{path, std::move(validated.bytes)},
                                  {registryPath, RegistryWithName(registry, name)}});
  return out;
}

RegisteredTournament RegisterUnchanged(const DataLocation& where, const std::string& name, int year) {
  RegisteredTournament out;
  if ((out.error = UnregistrableName(name))) return out;
  out.firstRegistration = ReadRegistry(where, year).empty();
  out.error = RegisterTournamentFile(where, year, name);
  return out;
}

std::optional<int> FileYear(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  std::tm local {};
  const std::time_t t = st.st_mtime;
  if (!::localtime_r(&t, &local)) return std::nullopt;
  return local.tm_year + 1900;
}

std::optional<int> TournamentYear(const std::filesystem::path& path, bool companion) {
  if (companion) {
    if (const auto bytes = ReadWholeFile(path)) {
      WriteFormReader r(*bytes);
      const std::string date = ReadHeader(r).value_or("");
      const bool digits =
          date.size() == 8 && std::all_of(date.begin(), date.end(), [](char c) { return c >= '0' && c <= '9'; });
      if (digits) return std::stoi(date.substr(0, 4));
    }
  }
  return FileYear(path);
}

}  // namespace hrs
