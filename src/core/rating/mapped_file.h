#pragma once
#include <filesystem>
#include <optional>
#include <string_view>

namespace hrs {

// A file's bytes mapped read-only into memory, for the large month files:
// no copy of the bytes is made. Nothing when the file cannot be opened.
class MappedFile {
 public:
  static std::optional<MappedFile> Open(const std::filesystem::path& path);
  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&&) = delete;
  MappedFile(const MappedFile&) = delete;
  ~MappedFile();

  std::string_view Bytes() const { return {data_, size_}; }

 private:
  MappedFile(const char* data, size_t size) : data_(data), size_(size) {}
  const char* data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace hrs
