#include "core/data/tournament_file.h"

#include "core/data/file_io.h"
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
  for (const auto& d : duels) {
    WriteFormLine line;
    for (const std::string* v : {&d.firstId, &d.secondId, &d.firstNumber, &d.secondNumber})
      WriteId(line, *v, IdForm::Bare);
    line.Text(d.code);
    out += line.Str();
  }
  return out;
}

Failure SaveTournamentFile(const std::filesystem::path& path, const std::string& date,
                           const std::vector<TournamentDuel>& duels) {
  return WriteFileAtomically(path, TournamentFileBytes(date, duels));
}

}  // namespace hrs
