#include "core/data/installation_settings.h"

#include <map>

#include "core/data/file_io.h"
#include "core/data/write_form.h"
#include "core/platform/dialogs.h"
#include "core/text/numeric.h"

namespace hrs {

namespace fs = std::filesystem;

fs::path DefaultQtpDir(const fs::path& home) { return home / "qtpwin"; }

fs::path DefaultDriveA(const fs::path& home) { return home / "hrs-diskette"; }

std::vector<fs::path> InstallationFileCandidates(const fs::path& configHome, const fs::path& programDir) {
  std::vector<fs::path> out;
  if (!configHome.empty()) out.push_back(configHome / "hrs" / InstallationFile);
  if (!programDir.empty()) out.push_back(programDir / InstallationFile);
  return out;
}

namespace {

fs::path ExpandDir(const std::string& text, const fs::path& fileDir, const fs::path& home) {
  if (text == "~") return home;
  if (text.rfind("~/", 0) == 0) return home / text.substr(2);
  fs::path p(text);
  return p.is_absolute() ? p : fileDir / p;
}

}  // namespace

InstallationSettings ParseInstallationSettings(std::string_view bytes, const fs::path& fileDir, const fs::path& home) {
  InstallationSettings s;
  s.qtpDir = DefaultQtpDir(home);
  s.driveA = DefaultDriveA(home);
  // Group the values by line: a setting is a name and one value.
  std::map<size_t, std::vector<FormValue>> lines;
  for (auto& v : SplitWriteForm(bytes)) lines[v.line].push_back(std::move(v));
  for (const auto& [lineNo, values] : lines) {
    const std::string where = "line " + std::to_string(lineNo + 1) + ": ";
    if (values.size() == 1 && Trim(values[0].text).empty()) continue;
    const std::string name = Trim(values[0].text);
    if (values.size() != 2) {
      s.problems.push_back(where + "a name and one value are expected");
      continue;
    }
    const std::string value = values[1].quoted ? values[1].text : Trim(values[1].text);
    if (EqualsNoCase(name, "DataInQtpDir")) {
      if (value == "0" || value == "1") s.dataInQtpDir = value == "1";
      else s.problems.push_back(where + "DataInQtpDir must be 0 or 1");
    } else if (EqualsNoCase(name, "QtpDir")) {
      if (value.empty()) s.problems.push_back(where + "QtpDir needs a directory");
      else s.qtpDir = ExpandDir(value, fileDir, home);
    } else if (EqualsNoCase(name, "DriveA")) {
      if (value.empty()) s.problems.push_back(where + "DriveA needs a directory");
      else s.driveA = ExpandDir(value, fileDir, home);
    }
  }
  return s;
}

InstallationSettings LoadInstallationSettings(const std::vector<fs::path>& candidates, const fs::path& home) {
  InstallationSettings s;
  s.qtpDir = DefaultQtpDir(home);
  s.driveA = DefaultDriveA(home);
  for (const auto& path : candidates) {
    std::error_code ec;
    if (!fs::exists(path, ec)) continue;
    if (auto bytes = ReadWholeFile(path)) s = ParseInstallationSettings(*bytes, path.parent_path(), home);
    else s.problems.push_back("the file cannot be read");
    s.source = path;
    break;
  }
  std::error_code ec;
  if (s.dataInQtpDir && !fs::is_directory(s.qtpDir, ec))
    s.problems.push_back("the data directory " + s.qtpDir.string() + " (QtpDir) does not exist");
  return s;
}

DataLocation LocateData(const fs::path& currentDir, const InstallationSettings& settings) {
  DataLocation l;
  l.dataDir = currentDir;
  l.qtpDir = settings.qtpDir;
  l.dataInQtpDir = settings.dataInQtpDir;
  l.driveA = settings.driveA;
  return l;
}

void TellInstallationProblems(const InstallationSettings& settings, Dialogs& dialogs) {
  if (settings.problems.empty()) return;
  std::string text = "The installation settings in " + settings.source.string() + " could not all be used:\r";
  for (const auto& p : settings.problems) text += "\r" + p;
  dialogs.Message(text, Buttons::Ok, Icon::Warning);
}

}  // namespace hrs
