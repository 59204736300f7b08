#include "core/data/tournament_file.h"

#include "core/data/transaction_names.h"
#include "core/data/write_form.h"
#include "core/text/numeric.h"

namespace hrs {

int TournamentFile::Month() const {
  if (date.size() != 8) return 0;
  const auto m = NumericValue(date.substr(4, 2));
  return m ? static_cast<int>(*m) : 0;
}

std::optional<TournamentFile> ParseTournamentFile(std::string_view bytes) {
  WriteFormReader r(bytes);
  auto mark = r.Text();
  if (!mark) return std::nullopt;
  TournamentFile f;
  f.validated = *mark == ValidatedMark;
  if (!f.validated) return f;
  auto date = r.Text();
  if (!date) return std::nullopt;
  f.date = *date;
  while (!r.AtEnd()) {
    auto a = r.Text(), b = r.Text(), c = r.Text(), d = r.Text(), e = r.Text();
    if (!a || !b || !c || !d || !e) {
      f.complete = false;
      break;
    }
    f.duels.push_back({*a, *b, *c, *d, *e});
  }
  return f;
}

std::string TournamentFileBytes(const std::string& date, const std::vector<TournamentDuel>& duels) {
  std::string out = WriteFormLine().Text(ValidatedMark).Str();
  out += WriteFormLine().Text(date).Str();
  auto bare = [](WriteFormLine& line, const std::string& v) {
    if (IsNumeric(v)) line.Raw(Trim(v));
    else line.Text(v);
  };
  for (const auto& d : duels) {
    WriteFormLine line;
    bare(line, d.firstId);
    bare(line, d.secondId);
    bare(line, d.firstNumber);
    bare(line, d.secondNumber);
    line.Text(d.code);
    out += line.Str();
  }
  return out;
}

}  // namespace hrs
