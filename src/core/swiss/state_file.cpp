#include "core/swiss/state_file.h"

#include "core/data/file_io.h"
#include "core/data/write_form.h"

namespace hrs {

std::string StateFileName(const std::string& code) { return code + "rund.dat"; }

std::optional<TournamentState> ParseStateFile(std::string_view bytes) {
  WriteFormReader in(bytes);
  const auto started = in.Integer(-2147483648LL, 2147483647LL);
  if (!started || !in.Next()) return std::nullopt;
  const auto maximum = in.Integer(-2147483648LL, 2147483647LL);
  if (!maximum || !in.Next()) return std::nullopt;
  const auto round = in.Integer(-2147483648LL, 2147483647LL);
  if (!round) return std::nullopt;
  TournamentState state;
  state.started = *started > 0;
  state.maximumPlayers = static_cast<int>(*maximum);
  state.secondOfDouble = *round == 2;
  return state;
}

std::optional<TournamentState> ReadStateFile(const DataLocation& where, const std::string& code) {
  const auto bytes = ReadWholeFile(where.QtpPath(StateFileName(code)));
  if (!bytes) return std::nullopt;
  return ParseStateFile(*bytes);
}

}  // namespace hrs
