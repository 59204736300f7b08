#include "core/data/file_io.h"

#include "core/platform/dialogs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace hrs {

namespace fs = std::filesystem;

std::optional<std::string_view> ReadWholeFileInto(const fs::path& path, std::string& buffer) {
  // Non-blocking, so that a pipe or device in a file's place is refused at
  // once instead of waiting for a writer that never comes.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  // Read to the end whatever the size said: a file that changes meanwhile
  // gives the bytes it had, never a fault. The buffer never shrinks, so only
  // its growth is ever cleared; it grows with room for a somewhat longer
  // next file.
  const size_t need = static_cast<size_t>(st.st_size) + 1;
  if (buffer.size() < need) buffer.resize(need + need / 8);
  size_t done = 0;
  for (;;) {
    if (done == buffer.size()) buffer.resize(buffer.size() * 2);
    const ssize_t n = ::read(fd, buffer.data() + done, buffer.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  return std::string_view(buffer.data(), done);
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  std::string data;
  const auto bytes = ReadWholeFileInto(path, data);
  if (!bytes) return std::nullopt;
  data.resize(bytes->size());
  return data;
}

namespace {

std::string ErrnoText(const std::string& what, const fs::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
}

int faultAt = 0;      // the step that is to fail, 0 none
int stepsTaken = 0;

// Every step that changes a file passes here, so a test can make any one
// of them fail as a full disk would.
bool Faulted() {
  ++stepsTaken;
  if (faultAt != 0 && stepsTaken == faultAt) {
    errno = ENOSPC;
    return true;
  }
  return false;
}

int OpenFile(const fs::path& path, int flags) {
  if (Faulted()) return -1;
  return ::open(path.c_str(), flags | O_CLOEXEC, 0644);
}

bool WriteAll(int fd, std::string_view bytes) {
  if (Faulted()) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

bool Flush(int fd) { return !Faulted() && ::fsync(fd) == 0; }

// Flushes the files side by side: one flush each still, but the file system
// can take them to the disk in one go instead of one after the other. The
// steps are counted in order first, so a failed step is the same on every
// run. The index of the first file that failed, with errno set; -1 none.
int FlushAll(const std::vector<std::pair<int, fs::path>>& open) {
  for (size_t k = 0; k < open.size(); ++k)
    if (Faulted()) return static_cast<int>(k);
  std::vector<int> error(open.size(), 0);
  auto flush = [&](size_t k) { error[k] = ::fsync(open[k].first) == 0 ? 0 : errno; };
  std::vector<std::thread> others;
  for (size_t k = 1; k < open.size(); ++k) {
    try {
      others.emplace_back(flush, k);
    } catch (const std::system_error&) {
      flush(k);  // no thread to be had
    }
  }
  if (!open.empty()) flush(0);
  for (auto& t : others) t.join();
  for (size_t k = 0; k < open.size(); ++k) {
    if (error[k] != 0) {
      errno = error[k];
      return static_cast<int>(k);
    }
  }
  return -1;
}

bool CloseFile(int fd) {
  const bool faulted = Faulted();
  const int saved = errno;
  const bool closed = ::close(fd) == 0;
  if (faulted) errno = saved;
  return !faulted && closed;
}
bool RenameFile(const fs::path& from, const fs::path& to) {
  return !Faulted() && ::rename(from.c_str(), to.c_str()) == 0;
}
bool LinkFile(const fs::path& from, const fs::path& to) {
  return !Faulted() && ::link(from.c_str(), to.c_str()) == 0;
}

// A name of ours beside the file: hidden, and carrying the process id so
// that what a killed run left can be told from what a live one is writing.
fs::path ScratchName(const fs::path& path, const char* kind) {
  static unsigned counter = 0;
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  return dir / ("." + path.filename().string() + kind + std::to_string(::getpid()) + "_" +
                std::to_string(counter++));
}

// Writes a complete temporary copy; the reason on failure (nothing left then).
std::optional<std::string> WriteTemporary(const fs::path& path, const fs::path& tmp, std::string_view bytes) {
  const int fd = OpenFile(tmp, O_WRONLY | O_CREAT | O_EXCL);
  if (fd < 0) return ErrnoText("Cannot create", tmp);
  if (!WriteAll(fd, bytes) || !Flush(fd)) {
    std::string why = ErrnoText("Cannot write", path);
    ::close(fd);
    ::unlink(tmp.c_str());
    return why;
  }
  if (!CloseFile(fd)) {
    std::string why = ErrnoText("Cannot write", path);
    ::unlink(tmp.c_str());
    return why;
  }
  // Keep the permissions the operator gave the old file.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) ::chmod(tmp.c_str(), st.st_mode & 07777);
  return std::nullopt;
}

}  // namespace

void FailWriteStepForTest(int n) {
  faultAt = n;
  stepsTaken = 0;
}

int WriteStepsForTest() { return stepsTaken; }

std::optional<std::string> WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  const fs::path tmp = ScratchName(path, ".tmp");
  if (auto why = WriteTemporary(path, tmp, bytes)) return why;
  if (!RenameFile(tmp, path)) {
    std::string why = ErrnoText("Cannot replace", path);
    ::unlink(tmp.c_str());
    return why;
  }
  return std::nullopt;
}

std::optional<std::string> AppendToFile(const fs::path& path, std::string_view bytes) {
  const int fd = OpenFile(path, O_RDWR | O_CREAT | O_APPEND);
  if (fd < 0) return ErrnoText("Cannot open", path);
  struct stat st {};
  const off_t before = ::fstat(fd, &st) == 0 ? st.st_size : -1;
  // A file whose last line lost its line break (an editor) would run that
  // line and the new one together.
  std::string joined;
  char last = '\n';
  if (before > 0 && ::pread(fd, &last, 1, before - 1) == 1 && last != '\n') {
    joined = "\r\n";
    joined += bytes;
    bytes = joined;
  }
  if (!WriteAll(fd, bytes) || !Flush(fd)) {
    std::string why = ErrnoText("Cannot write", path);
    // Take back a partial line so the file stays whole.
    if (before >= 0 && ::ftruncate(fd, before) != 0) {
    }
    ::close(fd);
    return why;
  }
  if (!CloseFile(fd)) {
    std::string why = ErrnoText("Cannot write", path);
    if (before >= 0 && ::truncate(path.c_str(), before) != 0) {
    }
    return why;
  }
  return std::nullopt;
}

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

bool FileExists(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

}  // namespace hrs

namespace hrs {
std::optional<std::string> KeepDamagedCopy(const std::filesystem::path& path, std::string_view bytes) {
  // A free name each time: an earlier copy may be all that is left of older damage.
  fs::path copy = path.string() + ".damaged";
  std::error_code ec;
  for (int n = 2; fs::exists(copy, ec); ++n) copy = path.string() + ".damaged" + std::to_string(n);
  return WriteFileAtomically(copy, bytes);
}
}  // namespace hrs

namespace hrs {
bool KeptDamagedCopy(const std::filesystem::path& path, std::string_view bytes, Dialogs& dialogs) {
  if (auto error = KeepDamagedCopy(path, bytes)) {
    dialogs.Message("The damaged file " + path.filename().string() + " could not be kept as a copy, so it is " +
                        "left as it is and the program ends.\r" + *error,
                    Buttons::Ok, Icon::Critical);
    return false;
  }
  return true;
}
}  // namespace hrs
