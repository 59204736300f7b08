#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/data_location.h"
#include "core/data/failure.h"

namespace hrs {

// The tournament result files registered for a year, in order of addition.
// A first line "No QTP files" means none (the same text on a later line is
// taken as a file name); a registry that cannot be read yields none.
std::vector<std::string> ParseRegistry(std::string_view bytes);
std::vector<std::string> ReadRegistry(const DataLocation& where, int year);

// The registry's lines as they stand ("No QTP files" included), or nothing
// when the registry cannot be read.
std::optional<std::vector<std::string>> ReadRegistryLines(const DataLocation& where, int year);

// True for a name that may stay in a rewritten registry: its first four
// characters are "RQTP" or "RHRS" in any case.
bool IsRegistrableName(std::string_view name);

// The bytes of a registry holding the registrable names among `names`, or
// the single line "No QTP files" when none is left.
std::string RegistryBytes(const std::vector<std::string>& names);

// Each returns the reason on failure, nothing on success; a failed write
// leaves the registry as it was.

// Appends one name as a new line.
Failure AppendToRegistry(const DataLocation& where, int year, const std::string& name);
// Registers a tournament file: a registry without tournaments (missing, or
// "No QTP files") is written anew with the name alone, else the name is appended.
Failure RegisterTournamentFile(const DataLocation& where, int year, const std::string& name);
// Rewrites the registry with the registrable names among `names`.
Failure RewriteRegistry(const DataLocation& where, int year, const std::vector<std::string>& names);
// Creates the registry holding "No QTP files" when there is none. An existing
// registry that cannot be read is reported, never replaced.
Failure EnsureRegistry(const DataLocation& where, int year);

}  // namespace hrs
