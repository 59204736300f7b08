#include "core/data/registry_file.h"

#include "core/data/file_io.h"
#include "core/data/transaction_names.h"
#include "core/data/write_form.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

// An empty name is no tournament: a damaged file of a million of them costs
// no more than reading it.
std::vector<std::string> Lines(std::string_view bytes) {
  std::vector<std::string> names;
  WriteFormReader r(bytes);
  while (auto v = r.Next())
    if (!v->text.empty()) names.push_back(std::move(v->text));
  return names;
}

bool HoldsNoTournaments(const std::vector<std::string>& lines) {
  return lines.empty() || EqualsNoCase(lines.front(), NoQtpFiles);
}

std::string RegistryLine(const std::string& name) { return WriteFormLine().Text(name).Str(); }

}  // namespace

std::vector<std::string> ParseRegistry(std::string_view bytes) {
  auto names = Lines(bytes);
  if (HoldsNoTournaments(names)) return {};
  return names;
}

std::optional<std::vector<std::string>> ReadRegistryLines(const DataLocation& where, int year) {
  auto bytes = ReadWholeFile(where.DataPath(RegistryFileName(year)));
  if (!bytes) return std::nullopt;
  return Lines(*bytes);
}

std::vector<std::string> ReadRegistry(const DataLocation& where, int year) {
  auto lines = ReadRegistryLines(where, year);
  if (!lines || HoldsNoTournaments(*lines)) return {};
  return *lines;
}

bool IsRegistrableName(std::string_view name) {
  const std::string head = ToUpper(name.substr(0, 4));
  return head == "RQTP" || head == "RHRS";
}

std::string RegistryBytes(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& n : names)
    if (IsRegistrableName(n)) out += RegistryLine(n);
  return out.empty() ? RegistryLine(NoQtpFiles) : out;
}

Failure AppendToRegistry(const DataLocation& where, int year, const std::string& name) {
  return AppendToFile(where.DataPath(RegistryFileName(year)), RegistryLine(name));
}

Failure RegisterTournamentFile(const DataLocation& where, int year, const std::string& name) {
  const auto path = where.DataPath(RegistryFileName(year));
  if (FileExists(path)) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return "Cannot read " + path.string();
    if (!HoldsNoTournaments(Lines(*bytes))) return AppendToFile(path, RegistryLine(name));
  }
  return WriteFileAtomically(path, RegistryLine(name));
}

Failure RewriteRegistry(const DataLocation& where, int year, const std::vector<std::string>& names) {
  return WriteFileAtomically(where.DataPath(RegistryFileName(year)), RegistryBytes(names));
}

Failure EnsureRegistry(const DataLocation& where, int year) {
  const auto path = where.DataPath(RegistryFileName(year));
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    if (ReadWholeFile(path)) return std::nullopt;
    return "Cannot read " + path.string();
  }
  return WriteFileAtomically(path, RegistryLine(NoQtpFiles));
}

}  // namespace hrs
