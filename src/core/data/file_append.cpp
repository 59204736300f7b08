#include "core/data/file_io.h"
#include "core/data/write_steps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hrs {

namespace fs = std::filesystem;
using namespace write_steps;

Failure AppendToFile(const fs::path& path, std::string_view bytes) {
  if (auto refused = ReadOnlyRefusal(path, "Cannot write")) return refused;
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

}  // namespace hrs
