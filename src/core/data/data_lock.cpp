#include "core/data/data_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace hrs {

DataLock::~DataLock() { Release(); }

DataLock::DataLock(DataLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

DataLock& DataLock::operator=(DataLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

std::filesystem::path DataLockPath(const std::filesystem::path& dataDir) {
  std::error_code ec;
  auto dir = std::filesystem::weakly_canonical(std::filesystem::absolute(dataDir, ec), ec);
  if (ec) dir = dataDir;
  // FNV-1a: the same name for the same folder in every program of the system.
  uint64_t h = 14695981039346656037ull;
  for (unsigned char c : dir.string()) h = (h ^ c) * 1099511628211ull;
  char name[40];
  std::snprintf(name, sizeof name, "hrs-data-%016llx.lock", static_cast<unsigned long long>(h));
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::filesystem::path base = runtime && *runtime ? std::filesystem::path(runtime)
                                                   : std::filesystem::temp_directory_path(ec);
  return base / name;
}

DataLock::Result DataLock::Take(const std::filesystem::path& dataDir) {
  Release();
  const auto path = DataLockPath(dataDir);
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return Result::Unavailable;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return Result::InUse;
  }
  fd_ = fd;
  return Result::Taken;
}

void DataLock::Release() {
  if (fd_ < 0) return;
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
  fd_ = -1;
}

std::string DataInUseMessage(const std::filesystem::path& dataDir) {
  return "The data in " + dataDir.string() + " are in use by another program of the ranking system.\r" +
         "Please finish there first.";
}

}  // namespace hrs
