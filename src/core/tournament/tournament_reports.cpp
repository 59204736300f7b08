#include "core/tournament/tournament_reports.h"

#include "core/data/database.h"
#include "core/lists/printer_setup.h"
#include "core/text/align.h"
#include "core/text/characters.h"
#include "core/text/numeric.h"
#include "core/text/pager.h"
#include "core/tournament/standings.h"
#include "core/tournament/tournament_lines.h"

namespace hrs {

namespace {

// A report's title and column header as the frame of its pages shows them.
struct Section {
  std::string title;
  size_t titleIndent = 0;
  std::vector<std::string> header;  // indented already
};

Pager::Header Frame(const std::string& base, const Date& today, const Section*& section) {
  return [base, today, &section](PrintJob& job, int page) {
    job.PrintLine("");
    job.PrintLine(TournamentPageLine(base, today, page));
    job.PrintLine("");
    const std::string indent(section->titleIndent, ' ');
    job.PrintLine(indent + section->title);
    job.PrintLine(indent + std::string(CharCount(section->title), '='));
    job.PrintLine("");
    for (const std::string& line : section->header) job.PrintLine(line);
    job.PrintLine("");
  };
}

// Prints a one-section report: frame, then the body lines.
bool PrintReport(PrintJob& job, Dialogs& dialogs, const SmallTournament& t, const Date& today, const Section& s,
                 int frameLines, const std::vector<std::string>& body) {
  const Section* current = &s;
  Pager pager(job, PageLayout{frameLines, LinesPerPage}, Frame(t.base, today, current));
  for (const std::string& line : body) pager.Line(line);
  return FinishPrintout(pager, job, dialogs);
}

// `text` put at column `column` (counted from 1), the line padded up to it.
void PutAt(std::string& line, size_t column, const std::string& text) {
  const size_t chars = CharCount(line);
  if (chars < column - 1) line.append(column - 1 - chars, ' ');
  line += text;
}

}  // namespace

std::string TournamentPageLine(const std::string& base, const Date& today, int page) {
  return LeftPad(std::string(ProductShort) + "     Tournament " + base + "  " + ShortDate(today), 62) +
         PageLabel(page);
}

bool PrintGroups(PrintJob& job, Dialogs& dialogs, const SmallTournament& t, const PlayerTable& players,
                 const Date& today) {
  std::vector<std::string> body;
  for (int g = 1; g <= t.header.Groups && g <= MaxGroups; ++g) {
    for (int p = 1; p <= t.sizes[g]; ++p) {
      const int id = t.groups.SysId(g, p);
      body.push_back(std::string(10, ' ') + (p == 1 ? RightAlign(g, 3) + "  " : std::string(5, ' ')) + "  (" +
                     RightAlign(id, 3) + ") " + NameOf(players, id));
    }
    body.push_back("");
  }
  const Section s{"Round-Robin knockout groups", 23, {std::string(10, ' ') + "Group        Player"}};
  return PrintReport(job, dialogs, t, today, s, 6, body);
}

bool PrintMatchProgram(PrintJob& job, Dialogs& dialogs, const SmallTournament& t, const PlayerTable& players,
                       const Date& today) {
  std::vector<std::string> body;
  const MatchTable& m = t.matches;
  for (int r = 1; r <= m.Rounds(); ++r) {
    for (int tb = 1; tb <= m.Tables(); ++tb) {
      if (!m.IsMatch(r, tb)) continue;
      const int first = m.At(r, tb, MfFirst), second = m.At(r, tb, MfSecond);
      body.push_back(RightAlign(r, 3) + RightAlign(tb, 6) + " (" + RightAlign(first, 3) + ") " +
                     FitLeft(NameOf(players, first), 28) +
                     ResultField(m.At(r, tb, MfFirstWon), m.At(r, tb, MfSecondWon)) + "(" + RightAlign(second, 3) +
                     ") " + NameOf(players, second));
    }
    body.push_back("");
  }
  const Section s{"Match Program", 25, {"Round Table     Player               Result      Player"}};
  return PrintReport(job, dialogs, t, today, s, 7, body);
}

bool PrintStandings(PrintJob& job, Dialogs& dialogs, const SmallTournament& t, const PlayerTable& players,
                    const Date& today) {
  std::vector<std::string> body;
  for (int g = 1; g <= t.header.Groups && g <= MaxGroups; ++g) {
    if (g > 1) body.push_back("");
    bool first = true;
    for (int p : GroupOrder(t, g, StandingsOrder::Qualification)) {
      const int id = t.groups.SysId(g, p);
      body.push_back(std::string(8, ' ') + (first ? RightAlign(g, 3) : std::string(3, ' ')) +
                     RightAlign(t.groups.At(g, p, GfPoints), 7) + "   " +
                     RightAlign(PointRatioText(PointRatio(t, g, p)), 6) +
                     RightAlign(DuelRatioText(DuelRatio(t.groups, g, p)), 8) + " (" + RightAlign(id, 3) + ") " +
                     NameOf(players, id));
      first = false;
    }
  }
  Section s{"Round-Robin Standings", 21, {}};
  if (t.header.TwoOneOn()) {
    s.header.push_back("  Players in small groups have been awarded a 2-1 victory.");
    s.header.push_back("");
  }
  s.header.push_back("                     Point    Duel");
  s.header.push_back("        Group Points Ratio   Ratio       Player");
  return PrintReport(job, dialogs, t, today, s, 6, body);
}

std::vector<std::string> PlayoffSheetLines(const Seeding& seeding) {
  const bool eight = seeding.entries.size() == 8;
  const bool random = seeding.method == RandomlyMethod;
  std::vector<std::string> lines;
  size_t next = 0;
  auto entry = [&]() {
    std::string line(5, ' ');
    if (next >= seeding.entries.size()) return line;
    const SeedingEntry& e = seeding.entries[next++];
    // The name stops short of the winner's slot.
    return line + (random ? std::string("  ") : RightAlign(Trim(e.seed), 2)) + " (" + RightAlign(e.sysId, 3) + ") " +
           FirstChars(e.name, 22);
  };
  const std::string slot(8, '_');
  const std::string branch = "|" + std::string(8, '-');
  const int count = eight ? 11 : 5;
  for (int n = 1; n <= count; ++n) {
    std::string line;
    switch (n) {
      case 1:
      case 7:
        line = entry();
        PutAt(line, 38, slot);
        if (n == 7) PutAt(line, 55, "|");
        break;
      case 2:
        line = entry();
        PutAt(line, 46, "| ");
        break;
      case 3:
      case 9:
        line = std::string(5, ' ');
        PutAt(line, 46, branch);
        break;
      case 4:
      case 10:
        line = entry();
        PutAt(line, 38, slot);
        PutAt(line, 46, "|");
        if (n == 4 && eight) PutAt(line, 55, "|");
        break;
      case 5:
        line = entry();
        if (eight) PutAt(line, 55, "|");
        break;
      case 6:
        line = std::string(5, ' ');
        PutAt(line, 55, branch);
        break;
      case 8:
        line = entry();
        PutAt(line, 46, "|");
        PutAt(line, 55, "|");
        break;
      case 11:
        line = entry();
        break;
    }
    lines.push_back(line);
  }
  return lines;
}

bool PrintPlayoffSheet(PrintJob& job, Dialogs& dialogs, const SmallTournament& t, const Seeding& seeding,
                       const Date& today) {
  const std::string indent(15, ' ');
  Pager pager(job, PageLayout{6, LinesPerPage}, [&](PrintJob& j, int) {
    j.PrintLine("");
    j.PrintLine("   Tournament " + t.base + "  " + ShortDate(today) + "  Page" + " 1");
    j.PrintLine("");
    j.PrintLine(indent + "Single Elimination Playoff");
    j.PrintLine(indent + "==========================");
    j.PrintLine("");
    j.PrintLine(indent + "Seeding method: " + seeding.method);
    j.PrintLine("");
    j.PrintLine("");
  });
  for (const std::string& line : PlayoffSheetLines(seeding)) pager.Line(line);
  return FinishPrintout(pager, job, dialogs);
}

std::vector<std::string> TournamentReportLines(const std::vector<FiledMatch>& matches, const PlayerTable& players) {
  std::vector<std::string> lines;
  int round = -1, onLine = 0;
  for (const FiledMatch& f : matches) {
    if (f.round != round || onLine == 3) {
      lines.push_back(RightAlign(f.round, 3) + "   ");
      round = f.round;
      onLine = 0;
    }
    lines.back() += RightAlign(Membership(players, f.winner), 6) + RightAlign(Membership(players, f.loser), 7) +
                    (f.draw ? "   X  " : std::string(6, ' '));
    ++onLine;
  }
  return lines;
}

bool PrintSanctionedReports(PrintJob& job, Dialogs& dialogs, const SmallTournament& t,
                            const std::vector<FiledMatch>& matches, const PlayerTable& players, const Date& today) {
  const Section master{"DC Master List for event " + t.header.EventId, 13,
                       {std::string(11, ' ') + "  No Name                       DC-Number"}};
  const Section report{"Tournament Report for event " + t.header.EventId, 13,
                       {"Round Winner  Loser Draw Winner  Loser Draw Winner  Loser Draw"}};
  const Section* current = &master;
  Pager pager(job, PageLayout{6, LinesPerPage}, Frame(t.base, today, current));
  for (int g = 1; g <= t.header.Groups && g <= MaxGroups; ++g)
    for (int p = 1; p <= t.sizes[g]; ++p) {
      const int id = t.groups.SysId(g, p);
      pager.Line(std::string(11, ' ') + RightAlign(id, 4) + " " + FitLeft(NameOf(players, id), 28) +
                 std::string(5, ' ') + RightAlign(Membership(players, id), 8));
    }
  // The tournament report follows on the next lines; a page that it begins
  // carries its own title.
  current = &report;
  const std::string indent(report.titleIndent, ' ');
  for (const std::string& line :
       {std::string(), indent + report.title, indent + std::string(CharCount(report.title), '='), std::string(),
        report.header.front(), std::string()})
    pager.Line(line);
  for (const std::string& line : TournamentReportLines(matches, players)) pager.Line(line);
  return FinishPrintout(pager, job, dialogs);
}

}  // namespace hrs
