#include "core/control/file_overview.h"

#include <algorithm>

#include "core/data/file_io.h"
#include "core/data/registry_file.h"
#include "core/data/transaction_names.h"
#include "core/swiss/companion_files.h"
#include "core/text/align.h"
#include "core/text/numeric.h"
#include "core/text/sorted_list.h"

namespace hrs {

namespace fs = std::filesystem;

namespace {

std::string RegistryLineShown(const std::string& line) {
  if (EqualsNoCase(line, NoQtpFiles)) return line;
  return ToUpper(line.substr(0, 4)) + "-" + ToUpper(line.size() > 4 ? line.substr(4) : "");
}

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

FileOverview BuildFileOverview(const Database& db, MissingRegistry missing) {
  FileOverview out;
  const int year = db.setup.RatingYear;
  const auto registryPath = db.location.DataPath(RegistryFileName(year));
  if (!FileExists(registryPath)) {
    if (missing == MissingRegistry::Create) {
      if (auto error = EnsureRegistry(db.location, year)) out.registryProblem = *error;
    }
  } else if (auto lines = ReadRegistryLines(db.location, year)) {
    SortedList buffer;
    for (const auto& line : *lines) buffer.Add(RegistryLineShown(line));
    for (const auto& item : buffer.Items()) out.lines.push_back(item.line);
  } else {
    out.registryProblem = "Cannot read " + registryPath.filename().string();
  }
  for (int month = 1; month <= 12; ++month) {
    const auto path = db.location.DataPath(MonthFileName(year, month));
    if (!FileExists(path)) continue;
    const std::string name = path.filename().string();
    out.lines.push_back(ToUpper(name.substr(0, 6)) + "-" + LastChars(name, 6));
  }
  return out;
}

std::vector<std::string> CompanionFileNames(const DataLocation& where) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(where.DataDir(), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() >= 4 && EqualsNoCase(name.substr(0, 4), "rqtp") && it->is_regular_file(ec)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return SortedBefore(a, b); });
  return names;
}

std::vector<std::string> CompanionFileLines(const DataLocation& where) {
  const std::vector<std::string> names = CompanionFileNames(where);
  std::vector<std::string> lines;
  for (const auto& name : names) {
    const std::string code = name.substr(4, 4);
    std::optional<std::string> title = ReadCompanionName(where, code);
    if (!title) {
      if (!AllDigits(LastChars(code, 3)) || code.size() < 3) continue;
      title = QtpNameNotFound;
    }
    lines.push_back(ToUpper(code) + " " + *title);
  }
  if (names.empty()) lines.push_back(NoQtpFilesLine);
  return lines;
}

std::string CollectionHeader() { return " Collection" + std::string(11, ' ') + "QTP files in directory"; }
std::string CompanionHeader() { return std::string(21, ' ') + "QTP files in directory"; }

}  // namespace hrs
