#include "core/tournament/tournament_files.h"
#include <utility>

#include "fuzz_support.h"

// The header, match and group files of a small tournament; the first byte
// picks which one the rest is read as.
HRS_FUZZ_TARGET({
  if (bytes.empty()) return 0;
  const unsigned kind = static_cast<unsigned char>(bytes[0]) % 3;
  const std::string_view file = bytes.substr(1);
  if (kind == 0) {
    if (auto header = hrs::ReadHeaderFile(file)) {
      const std::string saved = hrs::HeaderFileBytes(*header);
      const auto again = hrs::ReadHeaderFile(saved);
      HRS_FUZZ_CHECK(again && hrs::HeaderFileBytes(*again) == saved);
    }
  } else if (kind == 1) {
    for (auto [rounds, tables] : {std::pair{3, 4}, std::pair{5, 24}}) {
      if (auto matches = hrs::ReadMatchFile(file, rounds, tables)) {
        const std::string saved = hrs::MatchFileBytes(*matches);
        const auto again = hrs::ReadMatchFile(saved, rounds, tables);
        HRS_FUZZ_CHECK(again && hrs::MatchFileBytes(*again) == saved);
      }
    }
  } else {
    hrs::GroupSizes sizes{};
    hrs::GroupTable table;
    for (int groups : {2, 8}) hrs::ReadGroupFile(file, groups, sizes, table);
  }
})
