#include "core/tournament/standings.h"

#include <algorithm>
#include <cstdio>

#include "core/text/align.h"

namespace hrs {

namespace {

std::string Fixed(float value, int decimals) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, static_cast<double>(value));
  return buf;
}

}  // namespace

void ComputeStandings(SmallTournament& t) {
  t.resultsComplete = true;
  const bool twoOne = t.header.TwoOneOn();
  int largest = 0;
  for (int g = 1; g <= MaxGroups; ++g) largest = std::max(largest, t.sizes[g]);
  for (int g = 1; g <= MaxGroups; ++g) {
    for (int p = 1; p <= MaxGroupSize; ++p) {
      for (int f = GfPoints; f <= GfMatchesPlayed; ++f) t.groups.At(g, p, f) = 0;
      if (twoOne && p <= t.sizes[g] && t.sizes[g] < largest) {
        t.groups.At(g, p, GfPoints) = 2;
        t.groups.At(g, p, GfDuelsPlayed) = 3;
        t.groups.At(g, p, GfDuelsWon) = 2;
        t.groups.At(g, p, GfMatchesPlayed) = 1;
      }
    }
  }
  const MatchTable& m = t.matches;
  for (int g = 1; g <= MaxGroups; ++g) {
    for (int p = 1; p <= t.sizes[g]; ++p) {
      const int16_t id = t.groups.SysId(g, p);
      if (id == 0) continue;
      for (int r = 1; r <= m.Rounds(); ++r) {
        for (int tb = 1; tb <= m.Tables(); ++tb) {
          if (!m.IsMatch(r, tb)) continue;
          int a, b;
          if (m.At(r, tb, MfFirst) == id) {
            a = m.At(r, tb, MfFirstWon), b = m.At(r, tb, MfSecondWon);
          } else if (m.At(r, tb, MfSecond) == id) {
            a = m.At(r, tb, MfSecondWon), b = m.At(r, tb, MfFirstWon);
          } else {
            continue;
          }
          if (a > b) t.groups.At(g, p, GfPoints) += 2;
          else if (a == 1 && b == 1) t.groups.At(g, p, GfPoints) += 1;
          if (a == 0 && b == 0) t.resultsComplete = false;
          if (a < 3) {
            t.groups.At(g, p, GfDuelsPlayed) += static_cast<int16_t>(a + b);
            t.groups.At(g, p, GfDuelsWon) += static_cast<int16_t>(a);
          }
          if (a > 0 || b > 0) t.groups.At(g, p, GfMatchesPlayed) += 1;
        }
      }
    }
  }
}

float DuelRatio(const GroupTable& groups, int group, int position) {
  const int played = groups.At(group, position, GfDuelsPlayed);
  if (played == 0) return 0.0f;
  return static_cast<float>(groups.At(group, position, GfDuelsWon)) / static_cast<float>(played);
}

float PointRatio(const SmallTournament& t, int group, int position) {
  const int matches = t.groups.At(group, position, GfMatchesPlayed);
  if (matches == 0 || t.header.TwoOneOn()) return 0.0f;
  return static_cast<float>(t.groups.At(group, position, GfPoints)) / static_cast<float>(2 * matches);
}

std::string DuelRatioText(float ratio) { return Fixed(ratio, 5); }
std::string PointRatioText(float ratio) { return Fixed(ratio, 3); }

std::string StandingsKey(const SmallTournament& t, int group, int position, StandingsOrder order) {
  const std::string duel = DuelRatioText(DuelRatio(t.groups, group, position));
  const std::string point = PointRatioText(PointRatio(t, group, position));
  std::string key = std::to_string(group) + TwoDigits(t.groups.At(group, position, GfPoints));
  return key + (order == StandingsOrder::Current ? duel + point : point + duel);
}

std::vector<int> GroupOrder(const SmallTournament& t, int group, StandingsOrder order) {
  std::vector<std::pair<std::string, int>> keyed;
  for (int p = 1; p <= t.sizes[group]; ++p) keyed.emplace_back(StandingsKey(t, group, p, order), p);
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<int> positions;
  for (const auto& k : keyed) positions.push_back(k.second);
  return positions;
}

}  // namespace hrs
