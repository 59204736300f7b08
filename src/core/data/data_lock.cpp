#include "core/data/data_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
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

DataLock::Result DataLock::Take(const std::filesystem::path& dataDir) {
  Release();
  // The folder itself is locked: every process sees the same folder however
  // it names it (a link, a bind mount, another runtime folder), and nothing
  // is left behind.
  const int fd = ::open(dataDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Result::Unavailable;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool inUse = errno == EWOULDBLOCK;
    ::close(fd);
    return inUse ? Result::InUse : Result::Unavailable;
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
