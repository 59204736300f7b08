#include "core/tournament/schedule.h"

#include <algorithm>
#include <cstring>

namespace hrs {

GroupFigures FiguresOf(int groupSize) {
  switch (groupSize) {
    case 4: return {3, 6, 2};
    case 5: return {5, 10, 2};
    case 6: return {5, 15, 3};
    default: return {};
  }
}

const char* ScheduleOf(int groupSize, int round) {
  static const char* const four[] = {"1234", "1324", "1423"};
  static const char* const five[] = {"1234", "1325", "1524", "1435", "2345"};
  static const char* const six[] = {"123456", "132546", "142635", "152436", "162345"};
  if (round < 1) return "";
  switch (groupSize) {
    case 4: return round <= 3 ? four[round - 1] : "";
    case 5: return round <= 5 ? five[round - 1] : "";
    case 6: return round <= 5 ? six[round - 1] : "";
    default: return "";
  }
}

MatchProgramFigures FiguresOf(const GroupSizes& sizes) {
  MatchProgramFigures total;
  for (int g = 1; g <= MaxGroups; ++g) {
    const GroupFigures f = FiguresOf(sizes[g]);
    total.matches += f.matches;
    total.rounds = std::max(total.rounds, f.rounds);
    total.tables += f.tables;
  }
  return total;
}

MatchTable BuildMatchTable(const GroupSizes& sizes, const GroupTable& groups) {
  const MatchProgramFigures figures = FiguresOf(sizes);
  MatchTable table(figures.rounds, figures.tables);
  for (int r = 1; r <= figures.rounds; ++r) {
    int t = 1;
    for (int g = 1; g <= MaxGroups; ++g) {
      const char* schedule = ScheduleOf(sizes[g], r);
      for (size_t i = 0; i + 1 < std::strlen(schedule); i += 2) {
        table.At(r, t, MfFirst) = groups.SysId(g, schedule[i] - '0');
        table.At(r, t, MfSecond) = groups.SysId(g, schedule[i + 1] - '0');
        ++t;
      }
    }
  }
  return table;
}

}  // namespace hrs
