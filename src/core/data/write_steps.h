#pragma once
// The file-changing steps every writer takes (create, write, flush, close,
// link, rename). Each passes one counter, so a test can make any one of them
// fail as a full disk would.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include "core/data/failure.h"

namespace hrs::write_steps {

// True when this step is the one a test chose to fail (errno is ENOSPC then).
bool Faulted();

std::string ErrnoText(const std::string& what, const std::filesystem::path& path);

int OpenFile(const std::filesystem::path& path, int flags);
bool WriteAll(int fd, std::string_view bytes);
bool Flush(int fd);
// Flushes the files side by side. The index of the first that failed, with
// errno set; -1 none.
int FlushAll(const std::vector<std::pair<int, std::filesystem::path>>& open);
bool CloseFile(int fd);
bool RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);
bool LinkFile(const std::filesystem::path& from, const std::filesystem::path& to);
bool RemoveFile(const std::filesystem::path& path);

// A name of ours beside the file: hidden, and carrying the process id so
// that what a killed run left can be told from what a live one is writing.
std::filesystem::path ScratchName(const std::filesystem::path& path, const char* kind);

// Where a rewrite of the file goes: the target of a symbolic link (so the
// link stays one), else the file itself.
std::filesystem::path RewriteTarget(const std::filesystem::path& path);

// The reason when the operator made the file read-only; nothing when it may
// be changed (or does not exist yet).
Failure ReadOnlyRefusal(const std::filesystem::path& path, const char* what);

}  // namespace hrs::write_steps

namespace hrs {
// For tests: the n-th file-changing step from now ends the process as a
// kill would (0 turns it off).
void KillAtWriteStepForTest(int n);
}  // namespace hrs
