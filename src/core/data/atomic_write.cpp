#include "core/data/file_io.h"
#include "core/data/write_steps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hrs {

namespace fs = std::filesystem;
using namespace write_steps;

namespace {

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

Failure WriteFileAtomically(const fs::path& link, std::string_view bytes) {
  const fs::path path = RewriteTarget(link);
  if (auto refused = ReadOnlyRefusal(link, "Cannot replace")) return refused;
  const fs::path tmp = ScratchName(path, ".tmp");
  if (auto why = WriteTemporary(path, tmp, bytes)) return why;
  if (!RenameFile(tmp, path)) {
    std::string why = ErrnoText("Cannot replace", path);
    ::unlink(tmp.c_str());
    return why;
  }
  return std::nullopt;
}

}  // namespace hrs
