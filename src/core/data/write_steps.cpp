#include "core/data/write_steps.h"

#include "core/data/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <thread>

namespace hrs {

namespace fs = std::filesystem;

namespace {
int faultAt = 0;  // the step that is to fail, 0 none
int killAt = 0;   // the step at which the process ends, 0 none
int stepsTaken = 0;
}  // namespace

void FailWriteStepForTest(int n) {
  faultAt = n;
  stepsTaken = 0;
}

void KillAtWriteStepForTest(int n) {
  killAt = n;
  stepsTaken = 0;
}

int WriteStepsForTest() { return stepsTaken; }

namespace write_steps {

bool Faulted() {
  ++stepsTaken;
  if (killAt != 0 && stepsTaken == killAt) ::_exit(137);
  if (faultAt != 0 && stepsTaken == faultAt) {
    errno = ENOSPC;
    return true;
  }
  return false;
}

std::string ErrnoText(const std::string& what, const fs::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
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

// One flush each still, but the file system can take them to the disk in one
// go instead of one after the other. The steps are counted in order first, so
// a failed step is the same on every run.
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

bool LinkFile(const fs::path& from, const fs::path& to) { return !Faulted() && ::link(from.c_str(), to.c_str()) == 0; }

bool RemoveFile(const fs::path& path) { return !Faulted() && ::unlink(path.c_str()) == 0; }

fs::path ScratchName(const fs::path& path, const char* kind) {
  static unsigned counter = 0;
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  return dir / ("." + path.filename().string() + kind + std::to_string(::getpid()) + "_" + std::to_string(counter++));
}

fs::path RewriteTarget(const fs::path& path) {
  std::error_code ec;
  fs::path target = path;
  // A link to a link is followed too, but never round in a circle.
  for (int hops = 0; hops < 40 && fs::is_symlink(target, ec); ++hops) {
    const fs::path next = fs::read_symlink(target, ec);
    if (ec) break;
    target = (next.is_absolute() ? next : (target.has_parent_path() ? target.parent_path() : fs::path(".")) / next)
                 .lexically_normal();
  }
  return target;
}

Failure ReadOnlyRefusal(const fs::path& path, const char* what) {
  struct stat st {};
  // The owner's write permission is what the operator takes away; the
  // super-user is not stopped by it, so it is checked here.
  if (::stat(path.c_str(), &st) != 0 || (st.st_mode & S_IWUSR) != 0) return std::nullopt;
  return std::string(what) + " " + path.string() + ": the file is read-only";
}

}  // namespace write_steps
}  // namespace hrs
