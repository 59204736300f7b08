#pragma once
// One change of several data files: all of them as before, or all as after.
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/data/file_io.h"
#include "core/data/failure.h"

namespace hrs {

// The files one operation changes. The rewrites and renames of a change
// without appends are completed by the next run once every new file is on
// the disk (the operator may already have been told); a change with appends
// (new results, a new player) is undone by the next run when it was killed
// before its end, as completing it would invite the operator to do it again.
struct FileChange {
  std::vector<FileContent> rewrites;  // replaced whole
  std::vector<FileContent> appends;   // bytes added at the end (the file is created when missing)
  std::vector<std::pair<std::filesystem::path, std::filesystem::path>> renames;  // from, to: after the rewrites
};

// Nothing on success; else the reason, and every file is as it was.
Failure ChangeFilesTogether(const FileChange& change);

// For a run that only reads: the words for the operator when a change was
// interrupted and waits for the next writing run.
[[nodiscard]] std::optional<std::string> InterruptedChangeNotice(const std::filesystem::path& dir);

}  // namespace hrs
