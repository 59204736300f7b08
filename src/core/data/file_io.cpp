#include "core/data/file_io.h"

#include "core/platform/dialogs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace hrs {

namespace fs = std::filesystem;

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string data;
  in.seekg(0, std::ios::end);
  const auto size = in.tellg();
  if (size < 0) return std::nullopt;
  data.resize(static_cast<size_t>(size));
  in.seekg(0, std::ios::beg);
  if (size > 0 && !in.read(data.data(), size)) return std::nullopt;
  return data;
}

namespace {

std::string ErrnoText(const std::string& what, const fs::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::string_view bytes) {
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

}  // namespace

std::optional<std::string> WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const fs::path tmp = dir / ("." + path.filename().string() + ".tmp" + std::to_string(::getpid()) + "_" +
                              std::to_string(counter++));
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return ErrnoText("Cannot create", tmp);
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    std::string why = ErrnoText("Cannot write", path);
    ::close(fd);
    ::unlink(tmp.c_str());
    return why;
  }
  if (::close(fd) != 0) {
    std::string why = ErrnoText("Cannot write", path);
    ::unlink(tmp.c_str());
    return why;
  }
  // Keep the permissions the operator gave the old file.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) ::chmod(tmp.c_str(), st.st_mode & 07777);
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    std::string why = ErrnoText("Cannot replace", path);
    ::unlink(tmp.c_str());
    return why;
  }
  return std::nullopt;
}

std::optional<std::string> AppendToFile(const fs::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
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
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    std::string why = ErrnoText("Cannot write", path);
    // Take back a partial line so the file stays whole.
    if (before >= 0 && ::ftruncate(fd, before) != 0) {
    }
    ::close(fd);
    return why;
  }
  if (::close(fd) != 0) return ErrnoText("Cannot write", path);
  return std::nullopt;
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
