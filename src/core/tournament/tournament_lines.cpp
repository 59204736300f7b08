#include "core/tournament/tournament_lines.h"

#include "core/text/align.h"
#include "core/text/numeric.h"
#include "core/tournament/standings.h"

namespace hrs {

const std::string& NameOf(const PlayerTable& players, int sysId) {
  static const std::string none;
  if (sysId < 1 || sysId > PlayerCapacity) return none;
  return players[sysId].Name.str();
}

int32_t Membership(const PlayerTable& players, int sysId) {
  return sysId >= 1 && sysId <= PlayerCapacity ? players[sysId].MbShipNo : 0;
}

std::string SelectionLine(const PlayerRecord& p) {
  return FitLeft(p.Name.str(), 23) + "     " + RightAlign(p.Rating, 4);
}

std::vector<SortedList::Item> SelectionLines(const PlayerTable& players) {
  std::vector<SortedList::Item> items;
  for (int id = 1; id <= players.PlayerCount; ++id)
    if (players[id].Status == StatusActive) items.push_back({SelectionLine(players[id]), id});
  SortedList sorted;
  sorted.AddAll(std::move(items));
  return sorted.Items();
}

std::string SelectedLine(const std::string& selectionLine, int position) {
  return selectionLine + "   " + RightAlign(position, 4);
}

int SelectedPosition(const std::string& selectedLine) {
  if (selectedLine.size() < 4) return 0;
  const std::string tail = Trim(selectedLine.substr(selectedLine.size() - 4));
  return IsNumeric(tail) ? static_cast<int>(LeadingNumber(tail)) : 0;
}

std::string ResultField(int a, int b) {
  if (a == 0 && b == 0) return " -  ";
  if (a == NilNilCode) return "0-0 ";
  return std::to_string(a) + "-" + std::to_string(b) + " ";
}

std::vector<SortedList::Item> MatchListLines(const SmallTournament& t, const PlayerTable& players) {
  std::vector<SortedList::Item> lines;
  const MatchTable& m = t.matches;
  int number = 0;
  for (int r = 1; r <= m.Rounds(); ++r) {
    for (int tb = 1; tb <= m.Tables(); ++tb) {
      if (!m.IsMatch(r, tb)) continue;
      std::string line = ResultField(m.At(r, tb, MfFirstWon), m.At(r, tb, MfSecondWon));
      line += RightAlign(++number, 3);
      line += tb == 1 ? RightAlign(r, 2) : "  ";
      line += " " + NameOf(players, m.At(r, tb, MfFirst)) + " - " + NameOf(players, m.At(r, tb, MfSecond));
      lines.push_back({line, r * 100 + tb});
    }
  }
  return lines;
}

std::vector<SortedList::Item> CurrentStandingsLines(const SmallTournament& t, const PlayerTable& players) {
  std::vector<SortedList::Item> lines;
  const bool pointRatio = !t.header.TwoOneOn();
  for (int g = 1; g <= t.header.Groups && g <= MaxGroups; ++g) {
    bool first = true;
    for (int p : GroupOrder(t, g, StandingsOrder::Current)) {
      const int id = t.groups.SysId(g, p);
      std::string line = first ? std::to_string(g) : " ";
      first = false;
      line += RightAlign(id, 5) + " " + FitLeft(NameOf(players, id), 28);
      line += RightAlign(t.groups.At(g, p, GfPoints), 3);
      line += RightAlign(DuelRatioText(DuelRatio(t.groups, g, p)), 8);
      if (pointRatio) line += RightAlign(PointRatioText(PointRatio(t, g, p)), 6);
      lines.push_back({line, id});
    }
  }
  return lines;
}

std::string CurrentStandingsCaption(const SmallTournament& t) {
  std::string caption = "G   ID Name                     P D-Ratio";
  if (!t.header.TwoOneOn()) caption += " P-Ratio";
  return caption;
}

std::string CurrentStandingsText(const SmallTournament& t) {
  std::string text = "Current standings. G = Group, P = Points, D-Ratio = Duel Ratio";
  if (!t.header.TwoOneOn()) text += ", P-Ratio = Point Ratio.";
  return text;
}

std::vector<SortedList::Item> GroupViewLines(const SmallTournament& t, const PlayerTable& players) {
  std::vector<SortedList::Item> lines;
  for (int g = 1; g <= t.header.Groups && g <= MaxGroups; ++g) {
    for (int p = 1; p <= t.sizes[g]; ++p) {
      const int id = t.groups.SysId(g, p);
      lines.push_back({(p == 1 ? std::to_string(g) : std::string(" ")) + " " + NameOf(players, id), id});
    }
    lines.push_back({" ", 0});
  }
  return lines;
}

}  // namespace hrs
