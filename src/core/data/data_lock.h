#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace hrs {

// Keeps two programs from changing the same data at once: the desktop program
// holds it for its whole run, hrs-cli while a command that writes runs. The
// lock goes with the process, so a crash leaves nothing behind to clear.
class DataLock {
 public:
  enum class Result { Taken, InUse, Unavailable };

  DataLock() = default;
  ~DataLock();
  DataLock(DataLock&& other) noexcept;
  DataLock& operator=(DataLock&& other) noexcept;
  DataLock(const DataLock&) = delete;
  DataLock& operator=(const DataLock&) = delete;

  // Unavailable: the folder cannot be opened or locked (a file system
  // without locks); the caller may go on, as nobody else can lock there either.
  Result Take(const std::filesystem::path& dataDir);
  void Release();
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// What the operator is told when the data are in use elsewhere.
std::string DataInUseMessage(const std::filesystem::path& dataDir);

}  // namespace hrs
