#include "core/tournament/tournament_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/data/file_io.h"
#include "core/data/player_record.h"
#include "core/data/write_form.h"
#include "core/platform/dialogs.h"
#include "core/text/numeric.h"

namespace hrs {

namespace fs = std::filesystem;

std::string TournamentFileName(const std::string& base, const char* suffix) { return base + suffix; }

std::string HeaderFileBytes(const TournamentHeader& h) {
  WriteFormLine line;
  if (h.TwoOneOption) line.Number(*h.TwoOneOption);
  else line.Raw("");
  return line.Number(h.Groups).Number(h.Rounds).Number(h.Tables).Number(h.Sanctioned).Text(h.EventId).Str();
}

std::string GroupFileBytes(const SmallTournament& t) {
  std::string out;
  for (int g = 1; g <= MaxGroups; ++g) out += WriteFormLine().Number(t.sizes[g]).Str();
  for (int g = 1; g <= t.header.Groups && g <= MaxGroups; ++g) {
    for (int p = 1; p <= t.sizes[g]; ++p) {
      WriteFormLine line;
      for (int f = GfSysId; f <= GfMatchesPlayed; ++f) line.Number(t.groups.At(g, p, f));
      out += line.Str();
    }
  }
  return out;
}

std::string MatchFileBytes(const MatchTable& m) {
  std::string out;
  out.reserve(static_cast<size_t>(m.Rounds() * m.Tables() * 4 * 4));
  for (int r = 1; r <= m.Rounds(); ++r)
    for (int t = 1; t <= m.Tables(); ++t)
      for (int f = MfFirst; f <= MfSecondWon; ++f) out += std::to_string(m.At(r, t, f)) + "\r\n";
  return out;
}

std::optional<TournamentHeader> ReadHeaderFile(std::string_view bytes) {
  WriteFormReader in(bytes);
  TournamentHeader h;
  const auto option = in.Next();
  if (!option) return std::nullopt;
  if (!Trim(option->text).empty()) {
    if (!IsNumeric(option->text)) return std::nullopt;
    h.TwoOneOption = static_cast<int16_t>(LeadingNumber(option->text) == 1 ? 1 : 0);
  }
  const auto groups = in.Integer(2, MaxGroups);
  const auto rounds = in.Integer(3, 5);
  const auto tables = in.Integer(1, MaxTournamentPlayers / 2);
  const auto sanctioned = in.Integer(-1, 1);
  const auto eventId = in.Text();
  if (!groups || !rounds || !tables || !sanctioned || !eventId) return std::nullopt;
  h.Groups = static_cast<int16_t>(*groups);
  h.Rounds = static_cast<int16_t>(*rounds);
  h.Tables = static_cast<int16_t>(*tables);
  h.Sanctioned = static_cast<int16_t>(*sanctioned != 0 ? 1 : 0);
  h.EventId = SafeFileText(FirstChars(*eventId, EventIdLength));
  return h;
}

std::optional<MatchTable> ReadMatchFile(std::string_view bytes, int rounds, int tables) {
  WriteFormReader in(bytes);
  MatchTable m(rounds, tables);
  for (int r = 1; r <= rounds; ++r)
    for (int t = 1; t <= tables; ++t)
      for (int f = MfFirst; f <= MfSecondWon; ++f) {
        const auto v = f <= MfSecond ? in.Integer(0, PlayerCapacity) : in.Integer(0, NilNilCode);
        if (!v) return std::nullopt;
        // Duel counts are 0 to 2, or the code of a 0-0.
        if (f > MfSecond && *v > 2 && *v != NilNilCode) return std::nullopt;
        m.At(r, t, f) = static_cast<int16_t>(*v);
      }
  return m;
}

bool ReadGroupFile(std::string_view bytes, int groups, GroupSizes& sizes, GroupTable& table) {
  WriteFormReader in(bytes);
  GroupSizes readSizes{};
  GroupTable readTable;
  for (int g = 1; g <= MaxGroups; ++g) {
    const auto size = in.Integer(0, MaxGroupSize);
    if (!size) return false;
    readSizes[g] = g <= groups ? static_cast<int>(*size) : 0;
  }
  for (int g = 1; g <= groups; ++g) {
    for (int p = 1; p <= readSizes[g]; ++p) {
      for (int f = GfSysId; f <= GfMatchesPlayed; ++f) {
        const auto v = f == GfSysId ? in.Integer(1, PlayerCapacity) : in.Integer(0, 99);
        if (!v) return false;
        readTable.At(g, p, f) = static_cast<int16_t>(*v);
      }
    }
  }
  sizes = readSizes;
  table = readTable;
  return true;
}

std::string SaveFailedText(const std::string& fileName, const std::string& reason) {
  return "The tournament file " + fileName + " could not be saved." + "\r" + reason + "\r\r" +
         "The tournament stays as it is on the screen; the file is saved again at the next change.";
}

bool SaveTournamentFile(const DataLocation& where, const std::string& name, const std::string& bytes,
                        Dialogs& dialogs) {
  if (auto error = WriteFileAtomically(where.DataPath(name), bytes)) {
    dialogs.Beep();
    dialogs.Message(SaveFailedText(name, *error), Buttons::Ok, Icon::Warning);
    return false;
  }
  return true;
}

bool SaveHeaderFile(const DataLocation& where, const SmallTournament& t, Dialogs& dialogs) {
  return SaveTournamentFile(where, TournamentFileName(t.base, HeaderSuffix), HeaderFileBytes(t.header), dialogs);
}

bool SaveGroupFile(const DataLocation& where, const SmallTournament& t, Dialogs& dialogs) {
  return SaveTournamentFile(where, TournamentFileName(t.base, GroupSuffix), GroupFileBytes(t), dialogs);
}

bool SaveMatchFile(const DataLocation& where, const SmallTournament& t, Dialogs& dialogs) {
  return SaveTournamentFile(where, TournamentFileName(t.base, MatchSuffix), MatchFileBytes(t.matches), dialogs);
}

bool WriteNewTournament(const DataLocation& where, const SmallTournament& t, Dialogs& dialogs) {
  const auto kept = DeleteTournamentFiles(where, t.base);
  for (const std::string& name : kept) {
    dialogs.Beep();
    dialogs.Message("The file " + name + " of an earlier tournament of today could not be removed.", Buttons::Ok,
                    Icon::Warning);
  }
  const bool match = SaveMatchFile(where, t, dialogs);
  const bool group = SaveGroupFile(where, t, dialogs);
  const bool header = SaveHeaderFile(where, t, dialogs);
  return match && group && header;
}

std::vector<std::string> TournamentList(const DataLocation& where) {
  std::vector<std::string> bases;
  std::error_code ec;
  for (fs::directory_iterator it(where.DataDir(), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() < 4 || !EqualsNoCase(name.substr(0, 2), "lt")) continue;
    if (!EqualsNoCase(name.substr(name.size() - 4), HeaderSuffix)) continue;
    std::error_code fileEc;
    if (!it->is_regular_file(fileEc)) continue;
    const std::string base = ToUpper(name.substr(0, 8));
    if (std::find(bases.begin(), bases.end(), base) == bases.end()) bases.push_back(base);
  }
  std::sort(bases.begin(), bases.end());
  return bases;
}

bool LoadTournament(const DataLocation& where, const std::string& base, SmallTournament& t, Dialogs& dialogs) {
  const auto headerBytes = ReadWholeFile(where.DataPath(TournamentFileName(base, HeaderSuffix)));
  const auto header = headerBytes ? ReadHeaderFile(*headerBytes) : std::nullopt;
  if (!header) {
    dialogs.Beep();
    dialogs.Message("Wrong file format");
    return false;
  }
  const auto matchBytes = ReadWholeFile(where.DataPath(TournamentFileName(base, MatchSuffix)));
  const auto groupBytes = ReadWholeFile(where.DataPath(TournamentFileName(base, GroupSuffix)));
  auto matches = matchBytes ? ReadMatchFile(*matchBytes, header->Rounds, header->Tables) : std::nullopt;
  GroupSizes sizes{};
  GroupTable groups;
  if (!matches || !groupBytes || !ReadGroupFile(*groupBytes, header->Groups, sizes, groups)) {
    t.matchProgram = false;
    dialogs.Beep();
    dialogs.Message("Files for tournament " + base + " not found");
    return false;
  }
  t = SmallTournament{};
  t.header = *header;
  t.base = base;
  t.matches = std::move(*matches);
  t.sizes = sizes;
  t.groups = groups;
  t.matchProgram = true;
  return true;
}

std::vector<std::string> DeleteTournamentFiles(const DataLocation& where, const std::string& base) {
  std::vector<std::string> failed;
  for (const char* suffix : {HeaderSuffix, MatchSuffix, GroupSuffix, BracketSuffix, SeedingSuffix}) {
    const std::string name = TournamentFileName(base, suffix);
    const fs::path path = where.DataPath(name);
    std::error_code ec;
    if (!fs::exists(path, ec)) continue;
    if (!fs::remove(path, ec) || ec) failed.push_back(name);
  }
  return failed;
}

}  // namespace hrs
