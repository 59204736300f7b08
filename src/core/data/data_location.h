#pragma once
#include <filesystem>
#include <string>

namespace hrs {

// Where the files of the system live: the data directory (the current
// directory of the run), or the companion program's directory when the
// installation setting says so. Every file name is resolved here.
struct DataLocation {
  std::filesystem::path dataDir = ".";
  std::filesystem::path qtpDir;      // the companion Swiss program's directory
  bool dataInQtpDir = false;
  std::filesystem::path driveA;      // the folder that stands for the diskette drive A:


  // A data file (player, setup, statistics, month files, registry, ...).
  std::filesystem::path DataPath(const std::string& name) const;
  // A file of the companion program, always in its own directory.
  std::filesystem::path QtpPath(const std::string& name) const;
  // A file on drive A (the sanctioned report files).
  std::filesystem::path DriveAPath(const std::string& name) const;
  const std::filesystem::path& DataDir() const { return dataInQtpDir ? qtpDir : dataDir; }
};

// The file of that name in dir, found without regard to case; when none
// exists, dir / name in the spelling given (the one the system writes).
std::filesystem::path FindNoCase(const std::filesystem::path& dir, const std::string& name);

// The fixed names of the data files.
inline constexpr const char* PlayerFile = "player.hrs";
inline constexpr const char* SetupFile = "rfast.hrs";
inline constexpr const char* StatFile = "ratstat.hrs";
inline constexpr const char* RankFile = "orank.hrs";

}  // namespace hrs
