#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "core/data/data_location.h"

namespace hrs::test {

// A fresh folder for one test, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  DataLocation Location() const;
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;   // "" when missing
  bool Exists(const std::string& name) const;
  // File names in the folder, sorted.
  std::vector<std::string> Files() const;

 private:
  std::filesystem::path path_;
};

// The bytes of a fixture file.
std::string Fixture(const std::string& name);

}  // namespace hrs::test
