#include "core/tournament/output_files.h"

#include <filesystem>

#include "core/data/file_io.h"
#include "core/data/write_form.h"
#include "core/text/align.h"
#include "core/text/numeric.h"
#include "core/tournament/playoff.h"
#include "core/tournament/tournament_lines.h"

namespace hrs {

std::vector<FiledMatch> FiledMatches(const SmallTournament& t, bool bracket) {
  std::vector<FiledMatch> out;
  const MatchTable& m = t.matches;
  for (int r = 1; r <= m.Rounds(); ++r) {
    for (int tb = 1; tb <= m.Tables(); ++tb) {
      if (!m.IsMatch(r, tb) || !m.HasResult(r, tb)) continue;
      const int a = m.At(r, tb, MfFirstWon), b = m.At(r, tb, MfSecondWon);
      const int first = m.At(r, tb, MfFirst), second = m.At(r, tb, MfSecond);
      if (a == b) out.push_back({r, first, second, true});
      else if (a > b) out.push_back({r, first, second, false});
      else out.push_back({r, second, first, false});
    }
  }
  if (bracket) {
    for (const DecidedMatch& d : DecidedPlayoffMatches(t.playoffSize, t.playoff))
      out.push_back({m.Rounds() + 1, d.winner, d.loser, false});
  }
  return out;
}

std::string RankingSystemFileName(const std::string& base) { return "RHRS" + ToUpper(base); }

std::string RankingSystemFileBytes(const std::vector<FiledMatch>& matches, const Date& written) {
  std::string out = WriteFormLine().Text("kontrol").Str() + WriteFormLine().Text(Yyyymmdd(written)).Str();
  for (const FiledMatch& f : matches)
    out += WriteFormLine().Number(f.winner).Number(f.loser).Number(0).Number(0).Text(f.draw ? "X" : " ").Str();
  return out;
}

std::string TournamentReportFileName(const std::string& base) { return "TRP_" + ToUpper(base) + ".TXT"; }
std::string MasterListFileName(const std::string& base) { return "MAL_" + ToUpper(base) + ".TXT"; }

std::string TournamentReportFileBytes(const SmallTournament& t, const std::vector<FiledMatch>& matches,
                                      const PlayerTable& players, Windows1252File& text) {
  std::string out = WriteFormLine().Text(text.Text(t.header.EventId)).Str();
  for (const FiledMatch& f : matches)
    out += WriteFormLine()
               .Number(f.round)
               .Number(Membership(players, f.winner))
               .Number(Membership(players, f.loser))
               .Text(f.draw ? "X" : " ")
               .Str();
  return out;
}

std::string MasterListFileBytes(const SmallTournament& t, const PlayerTable& players, Windows1252File& text) {
  std::string out = WriteFormLine().Text(text.Text(t.header.EventId)).Str();
  for (int g = 1; g <= t.header.Groups && g <= MaxGroups; ++g)
    for (int p = 1; p <= t.sizes[g]; ++p) {
      const int id = t.groups.SysId(g, p);
      out += WriteFormLine()
                 .Number(1)
                 .Text(text.Text(SafeFileText(players[id].Name.str())))
                 .Number(Membership(players, id))
                 .Str();
    }
  return out;
}

std::vector<std::string> MissingMembershipLines(const SmallTournament& t, const PlayerTable& players) {
  std::vector<std::string> lines;
  for (int g = 1; g <= t.header.Groups && g <= MaxGroups; ++g)
    for (int p = 1; p <= t.sizes[g]; ++p) {
      const int id = t.groups.SysId(g, p);
      if (Membership(players, id) == 999999) lines.push_back(RightAlign(id, 4) + " " + players[id].Name.str());
    }
  return lines;
}

Failure WriteSanctionedFiles(const DataLocation& where, const SmallTournament& t,
                             const std::vector<FiledMatch>& matches, const PlayerTable& players,
                             std::vector<std::string>* told) {
  std::error_code ec;
  std::filesystem::create_directories(where.driveA, ec);
  if (!std::filesystem::is_directory(where.driveA, ec)) return "the folder " + where.driveA.string() + " cannot be made";
  Windows1252File report, master;
  const std::string reportName = TournamentReportFileName(t.base), masterName = MasterListFileName(t.base);
  if (auto error =
          WriteFileAtomically(where.DriveAPath(reportName), TournamentReportFileBytes(t, matches, players, report)))
    return error;
  if (auto error = WriteFileAtomically(where.DriveAPath(masterName), MasterListFileBytes(t, players, master)))
    return error;
  if (told) {
    if (auto m = ChangedTextsMessage(reportName, report.Changed())) told->push_back(*m);
    if (auto m = ChangedTextsMessage(masterName, master.Changed())) told->push_back(*m);
  }
  return std::nullopt;
}

}  // namespace hrs
