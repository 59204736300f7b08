#include "core/data/player_file.h"
#include "fuzz_support.h"

HRS_FUZZ_TARGET({
  hrs::PlayerTable table;
  const auto parsed = hrs::ParsePlayerFile(bytes, table);
  hrs::IsDamagedPlayerFile(bytes);
  if (parsed == hrs::PlayerParse::Ok) {
    const std::string saved = hrs::PlayerFileBytes(table);
    hrs::PlayerTable again;
    HRS_FUZZ_CHECK(hrs::ParsePlayerFile(saved, again) == hrs::PlayerParse::Ok);
    HRS_FUZZ_CHECK(again.PlayerCount == table.PlayerCount && hrs::PlayerFileBytes(again) == saved);
  }
})
