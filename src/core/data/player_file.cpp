#include "core/data/player_file.h"

#include "core/data/file_io.h"
#include "core/data/write_form.h"
#include "core/platform/question_names.h"
#include "core/text/numeric.h"

namespace hrs {

int PlayerTable::CountActive() const {
  int n = 0;
  for (int i = 1; i <= PlayerCount; ++i)
    if (records[static_cast<size_t>(i)].Status == StatusActive) ++n;
  return n;
}

std::string PlayerLine(const PlayerRecord& p) {
  WriteFormLine line;
  line.Number(p.SysId);
  WriteTextField(line, p.Name);
  WriteTextField(line, p.Info);
  line.Number(p.MbShipNo).Number(p.StartRating).Number(p.Rating).Number(p.Status).Number(p.PrevRating);
  line.Number(p.Won).Number(p.Drawn).Number(p.Lost);
  WriteTextField(line, p.CarriedCounts);
  return line.Str();
}

std::string PlayerFileBytes(const PlayerTable& table) {
  std::string out;
  out.reserve(static_cast<size_t>(table.PlayerCount) * 64);
  for (int i = 1; i <= table.PlayerCount; ++i) out += PlayerLine(table[i]);
  return out;
}

namespace {

bool ReadRecord(WriteFormReader& r, PlayerRecord& p) {
  const size_t line = r.NextLine();
  auto sysId = r.Int16();
  auto name = r.Next();
  auto info = r.Next();
  auto mbship = r.Text();
  auto start = r.Int16();
  auto rating = r.Int16();
  auto status = r.Int16();
  auto prev = r.Int16();
  auto won = r.Int16();
  auto drawn = r.Int16();
  auto lost = r.Int16();
  auto carried = r.Next();
  if (!sysId || !name || !info || !mbship || !start || !rating || !status || !prev || !won || !drawn || !lost ||
      !carried)
    return false;
  // A record is one whole line; anything else is another layout or damage.
  if (carried->line != line || !r.AtLineEnd()) return false;
  p.SysId = *sysId;
  p.Name = TextField::FromValue(*name);
  p.Info = TextField::FromValue(*info);
  const double mb = LeadingNumber(*mbship);
  p.MbShipNo = (mb >= 0 && mb <= 2147483647.0) ? static_cast<int32_t>(mb) : 0;
  p.StartRating = *start;
  p.Rating = *rating;
  p.Status = *status;
  p.PrevRating = *prev;
  p.Won = *won;
  p.Drawn = *drawn;
  p.Lost = *lost;
  p.CarriedCounts = TextField::FromValue(*carried);
  return true;
}

}  // namespace

PlayerParse ParsePlayerFile(std::string_view bytes, PlayerTable& table) {
  table = PlayerTable{};
  WriteFormReader r(bytes);
  int position = 1;
  while (!r.AtEnd()) {
    if (position > PlayerCapacity) {
      table = PlayerTable{};
      return PlayerParse::TooMany;
    }
    PlayerRecord& p = table[position];
    if (!ReadRecord(r, p)) {
      table = PlayerTable{};
      return PlayerParse::Malformed;
    }
    if (p.Status == StatusActive) ++table.ActiveCount;
    if (p.SysId == 0) p.SysId = static_cast<int16_t>(position);
    if (p.MbShipNo < 10000) p.MbShipNo = NoMembership;
    ++position;
  }
  table.PlayerCount = position - 1;
  return PlayerParse::Ok;
}

bool LoadPlayers(const DataLocation& where, PlayerTable& table, Dialogs& dialogs) {
  const auto path = where.DataPath(PlayerFile);
  auto bytes = ReadWholeFile(path);
  if (!bytes) {
    table = PlayerTable{};
    return dialogs.Message("Database of players not found\r\rPlease confirm Player Database Creation",
                           Buttons::OkCancel, Icon::Question, {}, question::PlayerFileCreation) == Answer::Ok;
  }
  if (ParsePlayerFile(*bytes, table) == PlayerParse::TooMany) {
    dialogs.Message("The file of players " + path.filename().string() + " holds more than " +
                        std::to_string(PlayerCapacity) + " players.\r\rThe system cannot use it. Please restore a " +
                        "backup of the file.",
                    Buttons::Ok, Icon::Critical);
    return false;
  }
  if (table.PlayerCount == 0) {
    const bool goOn = dialogs.Message("No players in the database\r\rPlease confirm if this is correct",
                                      Buttons::OkCancel, Icon::Question, {}, question::NoPlayers) == Answer::Ok;
    // The next save would replace a damaged file by an empty one; keep its content.
    if (goOn && HoldsValues(*bytes)) return KeptDamagedCopy(path, *bytes, dialogs);
    return goOn;
  }
  return true;
}

bool IsDamagedPlayerFile(std::string_view bytes) {
  PlayerTable table;
  return ParsePlayerFile(bytes, table) != PlayerParse::Ok || (table.PlayerCount == 0 && HoldsValues(bytes));
}

Failure SavePlayers(const DataLocation& where, PlayerTable& table) {
  if (table.PlayerCount > PlayerCapacity) table.PlayerCount = PlayerCapacity;
  return WriteFileAtomically(where.DataPath(PlayerFile), PlayerFileBytes(table));
}

Failure AppendPlayer(const DataLocation& where, const PlayerTable& table, int sysId) {
  return AppendToFile(where.DataPath(PlayerFile), PlayerLine(table[sysId]));
}

}  // namespace hrs
