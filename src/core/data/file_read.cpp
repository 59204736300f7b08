#include "core/data/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

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

bool FileExists(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

}  // namespace hrs
