#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>

#include "core/data/file_io.h"

namespace hrs::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  path_ = fs::temp_directory_path() /
          ("hrs-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

DataLocation TempDir::Location() const {
  DataLocation l;
  l.dataDir = path_;
  l.qtpDir = path_ / "qtpwin";
  return l;
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string TempDir::Read(const std::string& name) const {
  return ReadWholeFile(path_ / name).value_or("");
}

bool TempDir::Exists(const std::string& name) const { return fs::exists(path_ / name); }

std::vector<std::string> TempDir::Files() const {
  std::vector<std::string> out;
  for (const auto& e : fs::directory_iterator(path_)) out.push_back(e.path().filename().string());
  std::sort(out.begin(), out.end());
  return out;
}

std::string Fixture(const std::string& name) {
  return ReadWholeFile(fs::path(HRS_FIXTURES_DIR) / name).value_or("");
}

}  // namespace hrs::test
