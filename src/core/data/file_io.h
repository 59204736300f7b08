#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace hrs {

// The whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Replaces a file whole and atomically: a temporary file in the same folder is
// written, flushed and renamed over the old one. On failure the old file is
// left as it was and the reason is returned; success returns nothing.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Appends to a file (creating it). Failure returns the reason; a failed append
// leaves the file's earlier content as it was.
std::optional<std::string> AppendToFile(const std::filesystem::path& path, std::string_view bytes);

bool FileExists(const std::filesystem::path& path);

}  // namespace hrs

namespace hrs {
// Keeps the content of a damaged file beside it (name + ".damaged", or
// ".damaged2" and so on when that exists) before the system replaces it.
// The reason on failure.
std::optional<std::string> KeepDamagedCopy(const std::filesystem::path& path, std::string_view bytes);
}  // namespace hrs

namespace hrs {
class Dialogs;
// KeepDamagedCopy for a loader about to go on without the file: false, after
// telling the operator, when no copy could be kept (then nothing may replace it).
bool KeptDamagedCopy(const std::filesystem::path& path, std::string_view bytes, Dialogs& dialogs);
}  // namespace hrs
