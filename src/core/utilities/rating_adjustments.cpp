#include "core/utilities/rating_adjustments.h"

#include "core/data/file_io.h"
#include "core/data/month_file.h"
#include "core/data/registry_file.h"
#include "core/data/tournament_file.h"
#include "core/data/transaction_deletion.h"
#include "core/data/transaction_names.h"
#include "core/lists/printer_setup.h"
#include "core/platform/question_names.h"
#include "core/text/align.h"
#include "core/text/characters.h"
#include "core/text/numeric.h"
#include "core/text/pager.h"

namespace hrs {

namespace {

constexpr const char* Won = " WON  ";
constexpr const char* Lost = " LOST ";
constexpr const char* Drawn = " DRAW ";

// An id of a file as a whole number; nothing for text that is none.
std::optional<long long> IdValue(const std::string& id) {
  const auto v = NumericValue(id);
  if (!v || *v < 0 || *v > 1e12) return std::nullopt;
  return static_cast<long long>(*v);
}

// A column of the fixed layout, blanks removed.
std::string Column(const std::string& line, size_t from, size_t width) {
  return Trim(CharsFrom(line, from - 1, width));
}

// The name of an opponent by the player id rule: a Sys Id, or a membership
// number standing for the lowest Sys Id holding it.
std::string OpponentName(const PlayerTable& players, const std::string& id) {
  const auto v = IdValue(id);
  if (!v || *v < 1 || *v == NoMembership) return PlayerNotInBase;
  if (*v <= players.PlayerCount) return players[static_cast<int>(*v)].Name.str();
  for (int sysId = 1; sysId <= players.PlayerCount; ++sysId)
    if (players[sysId].MbShipNo == *v) return players[sysId].Name.str();
  return PlayerNotInBase;
}

struct Matcher {
  const PlayerTable& players;
  long long sysId;
  long long membership;  // 0 when the player has none

  bool Is(std::string_view id) const {
    // Plain digits need no general number reading.
    if (!id.empty() && id.size() <= 9 && id.find_first_not_of("0123456789") == std::string_view::npos) {
      long long v = 0;
      for (char c : id) v = v * 10 + (c - '0');
      return v == sysId || (membership > 0 && v == membership);
    }
    const auto v = IdValue(std::string(id));
    return v && (*v == sysId || (membership > 0 && *v == membership));
  }
  std::string NameOf(const std::string& id) const { return OpponentName(players, id); }
  void Add(std::vector<SortedList::Item>& out, const std::string& date, const std::string& first,
           const std::string& second, bool draw) const {
    const bool isFirst = Is(first);
    if (!isFirst && !Is(second)) return;
    const std::string& own = isFirst ? first : second;
    const std::string& other = isFirst ? second : first;
    const char* result = draw ? Drawn : isFirst ? Won : Lost;
    out.push_back({AdjustmentLine(date, other, result, NameOf(other), own), static_cast<int32_t>(sysId)});
  }
};

// One value of a usual month-file line: quoted without quotes inside, or
// bare without blanks around it. False for anything else.
bool NextValue(std::string_view line, size_t& pos, std::string_view& value) {
  if (pos < line.size() && line[pos] == '"') {
    const size_t close = line.find('"', pos + 1);
    if (close == std::string_view::npos) return false;
    value = line.substr(pos + 1, close - pos - 1);
    pos = close + 1;
  } else {
    size_t end = pos;
    while (end < line.size() && line[end] != ',') {
      if (line[end] == '"' || line[end] == ' ') return false;
      ++end;
    }
    value = line.substr(pos, end - pos);
    pos = end;
  }
  return true;
}

// The lines of a month file of the usual shape, four values each, read
// without building a record per line. False (and nothing read) when any
// line is of another shape: then the file is read as the codec reads it.
template <typename Use>
bool ForEachUsualLine(std::string_view bytes, Use&& use) {
  struct Line {
    std::string_view v[4];
  };
  std::vector<Line> lines;
  lines.reserve(bytes.size() / 28);
  size_t at = 0;
  while (at < bytes.size()) {
    size_t end = bytes.find('\n', at);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    Line l;
    size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
      if (i > 0) {
        if (pos >= line.size() || line[pos] != ',') return false;
        ++pos;
      }
      if (!NextValue(line, pos, l.v[i])) return false;
    }
    if (pos != line.size()) return false;
    lines.push_back(l);
  }
  for (const auto& l : lines) use(l.v[0], l.v[1], l.v[2], l.v[3]);
  return true;
}

std::string TrimLeft(const std::string& text) {
  const size_t at = text.find_first_not_of(' ');
  return at == std::string::npos ? std::string() : text.substr(at);
}

}  // namespace

PlayerForResults FindPlayerForResults(const PlayerTable& players, const std::string& typed) {
  const auto v = NumericValue(typed);
  if (!v || *v < 1) return {PlayerLookup::NotNumeric, 0};
  if (*v <= players.PlayerCount) return {PlayerLookup::Found, static_cast<int>(*v)};
  for (int id = 1; id <= players.PlayerCount; ++id)
    if (players[id].MbShipNo == *v) return {PlayerLookup::Found, id};
  return {PlayerLookup::NotFound, 0};
}

std::string AdjustmentLine(const std::string& date, const std::string& opponentId, const char* result,
                           const std::string& opponentName, const std::string& ownId) {
  return FitLeft(date, 8) + LastChars(RightAlign(Trim(opponentId), 8), 8) + result + FitLeft(opponentName, 18) +
         LastChars(RightAlign(Trim(ownId), 10), 10);
}

std::vector<SortedList::Item> CollectAdjustments(const Database& db, int sysId) {
  const PlayerRecord& p = db.players[sysId];
  // 999999 is "no membership": the results of unknown players are not his.
  const long long membership = p.MbShipNo >= 1 && p.MbShipNo != NoMembership ? p.MbShipNo : 0;
  const Matcher match{db.players, sysId, membership};
  std::vector<SortedList::Item> lines;
  const int year = db.setup.RatingYear;
  for (const auto& name : ReadRegistry(db.location, year)) {
    const auto bytes = ReadWholeFile(db.location.DataPath(name));
    const auto file = bytes ? ParseTournamentFile(*bytes) : std::nullopt;
    if (!file) continue;
    const std::string date = TrimLeft(file->date);
    for (const auto& d : file->duels) match.Add(lines, date, d.firstId, d.secondId, d.IsDraw());
  }
  for (int month = 1; month <= 12; ++month) {
    const auto bytes = ReadWholeFile(db.location.DataPath(MonthFileName(year, month)));
    if (!bytes) continue;
    const bool usual = ForEachUsualLine(*bytes, [&](std::string_view date, std::string_view first,
                                                    std::string_view second, std::string_view code) {
      if (match.Is(first) || match.Is(second))
        match.Add(lines, std::string(date), std::string(first), std::string(second), code == DrawCode);
    });
    if (usual) continue;
    for (const auto& t : ParseMonthFile(*bytes)) match.Add(lines, t.date, t.firstId, t.secondId, t.IsDraw());
  }
  SortedList sorted;
  sorted.AddAll(std::move(lines));
  return sorted.Items();
}

std::string AdjustmentsCaption(const Database& db, int sysId) {
  return "Rating adjustments for:\r\r" + std::to_string(sysId) + "\r" + db.players[sysId].Name.str();
}

std::optional<SelectedResult> ResultOfLine(const std::string& line) {
  const std::string date = Column(line, 1, 8);
  const std::string opponent = Column(line, 9, 8);
  const std::string own = Column(line, 43, 8);
  const std::string result = line.size() >= 22 ? line.substr(16, 6) : std::string();
  const auto month = NumericValue(Column(line, 5, 2));
  if (date.empty() || opponent.empty() || own.empty() || !month || *month < 1 || *month > 12) return std::nullopt;
  SelectedResult out;
  out.month = static_cast<int>(*month);
  if (result == Won) out.transaction = {date, own, opponent, WinCode};
  else if (result == Lost) out.transaction = {date, opponent, own, WinCode};
  else if (result == Drawn) out.transaction = {date, own, opponent, DrawCode};
  else return std::nullopt;
  return out;
}

std::optional<SelectedResult> ResultOfFields(const std::string& date, const std::string& winner,
                                             const std::string& loser, bool draw) {
  const auto month = date.size() == 8 ? NumericValue(date.substr(4, 2)) : std::nullopt;
  if (!month || *month < 1 || *month > 12 || Trim(winner).empty() || Trim(loser).empty()) return std::nullopt;
  return SelectedResult{{date, Trim(winner), Trim(loser), draw ? DrawCode : WinCode}, static_cast<int>(*month)};
}

ResultDeletion DeleteResultLine(const Database& db, const std::string& line, Dialogs& dialogs) {
  return DeleteResult(db, ResultOfLine(line), dialogs);
}

ResultDeletion DeleteResult(const Database& db, const std::optional<SelectedResult>& selected, Dialogs& dialogs) {
  const int year = db.setup.RatingYear;
  if (!selected || !FindTransaction(db.location, year, selected->month, selected->transaction)) {
    dialogs.Beep();
    dialogs.Message(TransactionNotFound);
    return ResultDeletion::NotFound;
  }
  if (dialogs.Message("Please confirm deletion", Buttons::OkCancel, Icon::Question, "Deletion of transaction",
                      question::ResultDeletion) != Answer::Ok)
    return ResultDeletion::Cancelled;
  const DeleteOutcome out = DeleteTransaction(db.location, year, selected->month, selected->transaction);
  switch (out.result) {
    case DeleteOutcome::Result::Deleted:
      dialogs.Message("Transaction deleted");
      return ResultDeletion::Deleted;
    case DeleteOutcome::Result::NotFound:
      // Changed by someone else since the list was made.
      dialogs.Beep();
      dialogs.Message(TransactionNotFound);
      return ResultDeletion::NotFound;
    case DeleteOutcome::Result::Failed:
      break;
  }
  dialogs.Beep();
  dialogs.Message("Error writing file");
  return ResultDeletion::Failed;
}

std::string PrintedAdjustmentLine(const PlayerTable& players, const std::string& line) {
  const std::string opponent = Column(line, 9, 8);
  const std::string name = OpponentName(players, opponent);
  const std::string result = line.size() >= 22 ? line.substr(16, 6) : std::string();
  const char* word = result == Won ? "Won" : result == Lost ? "Lost" : "Draw ";
  return std::string(10, ' ') + FitLeft(line, 8) + RightAlign(opponent, 8) + " " + FitLeft(name, 28) + " " + word;
}

bool PrintAdjustments(const Database& db, int sysId, const std::vector<SortedList::Item>& lines, Dialogs& dialogs,
                      PrintJob& job, const Clock& clock) {
  StartReport(job, db.location, DatedReportName("adjustments-" + std::to_string(sysId), clock.Today()));
  if (!dialogs.ChoosePrinter()) return false;
  job.SetFont("Courier", 10);
  const std::string today = ShortDate(clock.Today());
  const std::string title = "          Rating adjusting match results for " + std::to_string(sysId) + " " +
                            db.players[sysId].Name.str();
  Pager pager(job, {6, LinesPerPage}, [&](PrintJob& j, int page) {
    j.PrintLine("");
    j.PrintLine(Centred(db.setup.ListName.str(), PageWidth));
    j.PrintLine("");
    j.PrintLine(LeftPad(ProductShort, 52) + today + "     " + PageLabel(page));
    j.PrintLine("");
    j.PrintLine(title);
    j.PrintLine("");
    j.PrintLine("              Date         Opponent               Result");
    j.PrintLine("");
  });
  for (const auto& item : lines) pager.Line(PrintedAdjustmentLine(db.players, item.line));
  return FinishPrintout(pager, job, dialogs);
}

}  // namespace hrs
