#include "core/data/file_io.h"
#include "core/data/write_steps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <system_error>

namespace hrs {

namespace fs = std::filesystem;
using namespace write_steps;

namespace {

constexpr const char* JournalName = ".hrs-replacing";

// The journal: one line per file, "target","temporary","kept old".
std::string JournalBytes(const std::vector<std::array<fs::path, 3>>& entries) {
  std::string out;
  for (const auto& e : entries)
    out += "\"" + e[0].filename().string() + "\",\"" + e[1].filename().string() + "\",\"" +
           e[2].filename().string() + "\"\r\n";
  return out;
}

void RemoveAll(const std::vector<fs::path>& paths) {
  for (const auto& p : paths)
    if (!p.empty()) ::unlink(p.c_str());
}

}  // namespace

std::optional<std::string> WriteFilesTogether(const std::vector<FileContent>& files) {
  if (files.empty()) return std::nullopt;
  const fs::path dir = files[0].path.has_parent_path() ? files[0].path.parent_path() : fs::path(".");
  std::vector<std::array<fs::path, 3>> entries;
  std::vector<fs::path> scratch;
  // What is written but not yet flushed and closed, with the file it is for.
  std::vector<std::pair<int, fs::path>> open;
  auto fail = [&](std::string why) {
    for (const auto& [fd, path] : open) ::close(fd);
    RemoveAll(scratch);
    return why;
  };
  // Every copy is written before the first is flushed: the first flush then
  // takes the others' blocks to the disk with it, and theirs cost little.
  auto writeCopy = [&](const fs::path& target, const fs::path& tmp, std::string_view bytes) -> std::optional<std::string> {
    const int fd = OpenFile(tmp, O_WRONLY | O_CREAT | O_EXCL);
    if (fd < 0) return fail(ErrnoText("Cannot create", tmp));
    scratch.push_back(tmp);
    open.emplace_back(fd, target);
    if (!WriteAll(fd, bytes)) return fail(ErrnoText("Cannot write", target));
    return std::nullopt;
  };
  for (const auto& f : files) {
    const fs::path target = dir / f.path.filename();
    const fs::path tmp = ScratchName(target, ".tmp");
    if (auto why = writeCopy(target, tmp, f.bytes)) return why;
    entries.push_back({target, tmp, fs::path()});
  }
  // The old files stay reachable until every new one is in place.
  for (auto& e : entries) {
    if (!FileExists(e[0])) continue;
    const fs::path old = ScratchName(e[0], ".old");
    if (!LinkFile(e[0], old)) return fail(ErrnoText("Cannot keep", e[0]));
    e[2] = old;
    scratch.push_back(old);
  }
  const fs::path journal = dir / JournalName;
  const fs::path journalCopy = ScratchName(journal, ".tmp");
  if (auto why = writeCopy(journal, journalCopy, JournalBytes(entries))) return why;
  if (const int failed = FlushAll(open); failed >= 0)
    return fail(ErrnoText("Cannot write", open[static_cast<size_t>(failed)].second));
  while (!open.empty()) {
    const auto [fd, path] = open.back();
    open.pop_back();
    if (!CloseFile(fd)) return fail(ErrnoText("Cannot write", path));
  }
  // Keep the permissions the operator gave the old files.
  for (const auto& e : entries) {
    struct stat st {};
    if (::stat(e[0].c_str(), &st) == 0) ::chmod(e[1].c_str(), st.st_mode & 07777);
  }
  // Every new file is on the disk before the journal says so.
  if (!RenameFile(journalCopy, journal)) return fail(ErrnoText("Cannot replace", journal));
  scratch.pop_back();
  for (size_t k = 0; k < entries.size(); ++k) {
    if (RenameFile(entries[k][1], entries[k][0])) continue;
    std::string why = ErrnoText("Cannot replace", entries[k][0]);
    // Put back the ones already replaced, so the files still belong together.
    bool restored = true;
    for (size_t j = 0; j < k; ++j) {
      if (entries[j][2].empty()) restored = ::unlink(entries[j][0].c_str()) == 0 && restored;
      else restored = ::rename(entries[j][2].c_str(), entries[j][0].c_str()) == 0 && restored;
    }
    if (restored) {
      RemoveAll(scratch);
      ::unlink(journal.c_str());
    }
    return why;
  }
  ::unlink(journal.c_str());
  for (const auto& e : entries)
    if (!e[2].empty()) ::unlink(e[2].c_str());
  return std::nullopt;
}

std::optional<std::string> FinishInterruptedWrites(const fs::path& dir) {
  std::optional<std::string> told;
  const fs::path journal = dir / JournalName;
  if (auto bytes = ReadWholeFile(journal)) {
    // Every new file was complete before the journal was written: put the
    // ones that did not get there yet in place.
    std::vector<std::string> names;
    size_t pos = 0;
    while (pos < bytes->size()) {
      size_t end = bytes->find('\n', pos);
      if (end == std::string::npos) end = bytes->size();
      std::string line = bytes->substr(pos, end - pos);
      pos = end + 1;
      std::vector<std::string> v;
      for (size_t q = line.find('"'); q != std::string::npos; q = line.find('"', q + 1)) {
        const size_t close = line.find('"', q + 1);
        if (close == std::string::npos) break;
        v.push_back(line.substr(q + 1, close - q - 1));
        q = close;
      }
      if (v.size() != 3 || v[0].empty() || v[0].find('/') != std::string::npos ||
          v[1].find('/') != std::string::npos || v[2].find('/') != std::string::npos)
        continue;
      if (!v[1].empty() && FileExists(dir / v[1])) ::rename((dir / v[1]).c_str(), (dir / v[0]).c_str());
      if (!v[2].empty()) ::unlink((dir / v[2]).c_str());
      names.push_back(v[0]);
    }
    ::unlink(journal.c_str());
    std::string list;
    for (size_t i = 0; i < names.size(); ++i) list += (i ? (i + 1 == names.size() ? " and " : ", ") : "") + names[i];
    if (!names.empty())
      told = "The last save of " + list + " was interrupted; it has now been completed, so the files belong together again.";
  }
  // What killed runs left behind: our scratch names with a process id that
  // no longer runs.
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() < 2 || name[0] != '.') continue;
    size_t at = name.rfind(".tmp");
    constexpr size_t kindLength = 4;
    if (at == std::string::npos || at == 0) {
      at = name.rfind(".old");
      if (at == std::string::npos || at == 0) continue;
    }
    const std::string rest = name.substr(at + kindLength);
    const size_t us = rest.find('_');
    if (us == std::string::npos || us == 0 || us + 1 >= rest.size()) continue;
    if (rest.find_first_not_of("0123456789_") != std::string::npos) continue;
    const long pid = std::strtol(rest.substr(0, us).c_str(), nullptr, 10);
    if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM)) continue;
    ::unlink(entry.path().c_str());
  }
  return told;
}

}  // namespace hrs
