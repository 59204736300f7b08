#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include "core/data/failure.h"

namespace hrs {

// The whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
// The same into a buffer kept from call to call, so that reading file after
// file touches no new memory; the view lasts until the buffer's next use.
std::optional<std::string_view> ReadWholeFileInto(const std::filesystem::path& path, std::string& buffer);

// Replaces a file whole and atomically: a temporary file in the same folder is
// written, flushed and renamed over the old one. On failure the old file is
// left as it was and the reason is returned; success returns nothing.
Failure WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Appends to a file (creating it). Failure returns the reason; a failed append
// leaves the file's earlier content as it was.
Failure AppendToFile(const std::filesystem::path& path, std::string_view bytes);

bool FileExists(const std::filesystem::path& path);

// Replaces several files of one folder together (the player and statistics
// files of one run): every new file is complete before the first is put in
// place, and a failure puts back what was replaced. A run killed in between
// leaves a journal that FinishInterruptedWrites completes.
struct FileContent {
  std::filesystem::path path;  // all in the folder of the first
  std::string bytes;
};
Failure WriteFilesTogether(const std::vector<FileContent>& files);

// Before a run works on a folder (holding its data lock): completes a
// replacement left unfinished and removes what killed runs left behind.
// The message for the operator when something had to be completed.
[[nodiscard]] std::optional<std::string> FinishInterruptedWrites(const std::filesystem::path& dir);

// For tests: the n-th file-changing step from now (create, write, flush,
// close, link, rename; 1 = the next) fails as on a full disk; 0 turns it off.
void FailWriteStepForTest(int n);
int WriteStepsForTest();

}  // namespace hrs

namespace hrs {
// Keeps the content of a damaged file beside it (name + ".damaged", or
// ".damaged2" and so on when that exists) before the system replaces it.
// The reason on failure.
Failure KeepDamagedCopy(const std::filesystem::path& path, std::string_view bytes);
}  // namespace hrs

namespace hrs {
class Dialogs;
// KeepDamagedCopy for a loader about to go on without the file: false, after
// telling the operator, when no copy could be kept (then nothing may replace it).
[[nodiscard]] bool KeptDamagedCopy(const std::filesystem::path& path, std::string_view bytes, Dialogs& dialogs);
}  // namespace hrs
