#include <gtest/gtest.h>

#include <algorithm>

#include "../tournament/tournament_club.h"
#include "core/control/player_views.h"
#include "core/control/tournament_validation.h"
#include "core/lists/master_lists.h"
#include "core/lists/ranking_list.h"
#include "core/lists/rating_history.h"
#include "core/players/player_lines.h"
#include "core/rating/calc_ranking.h"
#include "core/shell/alpha_search.h"
#include "core/swiss/companion_files.h"
#include "core/swiss/turn_lines.h"
#include "core/text/characters.h"
#include "core/tournament/local2_form.h"
#include "core/tournament/output_files.h"
#include "core/tournament/tournament_lines.h"
#include "core/tournament/tournament_reports.h"
#include "core/utilities/player_search.h"
#include "core/utilities/rating_adjustments.h"
#include "lists_club.h"

namespace hrs {
namespace {

using Strings = std::vector<std::string>;

// Names in the club's own letters, ASCII ones, and a long one whose cuts at
// 19, 22, 23, 24, 26 and 28 characters fall beside letters of two bytes.
const Strings Names = {"Søren Ærø",     "Jürgen Müller", "Åse Bjørnstad-Løvås", "Zoë Ångström",
                       "Łukasz Wróbel", "Anders Berg",   "Kari Lund",           "Åse Bjørnstad-Løvås Ærøskøbing"};

// Each letter outside ASCII as a plain "x": the same number of characters.
std::string Plain(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) out += text[i];
    else if ((c & 0xC0) != 0x80) out += 'x';
  }
  return out;
}

Strings Lines(const std::vector<SortedList::Item>& items) {
  Strings out;
  for (const auto& i : items) out.push_back(i.line);
  return out;
}

Strings Printed(const RecordedPrintJob& job) {
  Strings out;
  for (const auto& page : job.Pages()) out.insert(out.end(), page.begin(), page.end());
  return out;
}

// Every list and printout that shows a name, built on a club of `names`.
std::vector<std::pair<std::string, Strings>> EveryList(const Strings& names) {
  std::vector<std::pair<std::string, Strings>> out;
  test::ListsClub club;
  for (size_t i = 0; i < names.size(); ++i)
    club.Add(names[i], static_cast<int>(1400 + 37 * i), 3, 1, 2, StatusActive, static_cast<int>(10001 + i));
  club.Add(names[0], 1300, 0, 0, 0, StatusDeleted, 20001);
  for (int id = 1; id <= club.db.players.PlayerCount; ++id) club.History(id, {1400, 1410, 1420});
  const Database& db = club.db;
  const PlayerTable& players = db.players;

  out.push_back({"by Sys Id", Lines(PlayersBySysId(players))});
  out.push_back({"by MbShip", Lines(PlayersByMembership(players))});
  out.push_back({"by Name", Lines(PlayersByName(players))});
  out.push_back({"by Ranking", Lines(PlayersByRanking(players))});
  out.push_back({"keyboard entry", Lines(PlayersForEntry(players))});
  for (MasterOrder order : {MasterOrder::BySysId, MasterOrder::ByMbShip, MasterOrder::ByName}) {
    out.push_back({"master list on screen", MasterListView(order, db).lines});
    RecordedPrintJob job;
    PrintMasterList(order, db, club.dialogs, job, club.clock);
    out.push_back({"master list printed", Printed(job)});
  }
  out.push_back({"ranking list on screen", RankingListView(db, std::nullopt).lines});
  {
    RecordedPrintJob job;
    PrintRankingDynamic(club.db, club.dialogs, job, club.clock);
    out.push_back({"ranking list printed", Printed(job)});
  }
  {
    RecordedPrintJob job;
    club.dialogs.InputAnswer("3");
    PrintRankingByMonth(db, club.dialogs, job, club.clock);
    out.push_back({"ranking by month printed", Printed(job)});
  }
  out.push_back({"calculation ranking", CalcRankingLines(players)});
  for (HistoryOrder order : {HistoryOrder::BySysId, HistoryOrder::ByName}) {
    RecordedPrintJob job;
    PrintHistory(order, db, club.dialogs, job, club.clock);
    out.push_back({"history printed", Printed(job)});
  }
  out.push_back({"player window by Sys Id", Lines(SysIdOrderLines(players))});
  out.push_back({"player window by name", Lines(NameOrderLines(players))});
  out.push_back({"search", Lines(SearchPlayers(players, "e"))});
  out.push_back({"deleted players", Lines(DeletedPlayers(players))});
  {
    Strings adjustments;
    for (int id = 1; id <= 8; ++id) {
      const std::string line = AdjustmentLine("20260301", std::to_string(id), " WON  ", names[id - 1], "1");
      adjustments.push_back(line);
      adjustments.push_back(PrintedAdjustmentLine(players, line));
    }
    out.push_back({"rating adjustments", adjustments});
  }
  {
    Strings swiss;
    for (int id = 1; id <= 8; ++id) swiss.push_back(SelectedPlayerLine(names[id - 1], id));
    for (const GridRow& row : PlayerGridRows(players)) swiss.push_back(row.cells[0] + "|" + row.cells[1] + "|");
    out.push_back({"swiss tournament", swiss});
  }
  {
    std::string participants, results = "\"20260301\"\r\n";
    std::vector<CompanionParticipant> table;
    for (int n = 1; n <= 8; ++n) {
      table.push_back({static_cast<int16_t>(n), names[n - 1], 30000 + n});
      results += std::to_string(30000 + n) + ",1," + std::to_string(n) + ",1,\" \"\r\n";
    }
    out.push_back({"unknown players", Lines(FindUnknownPlayers(results, players, &table))});
  }

  test::TournamentClub small(8);
  for (int id = 1; id <= 8; ++id) small.db.players[id].Name = TextField::Of(names[id - 1]);
  out.push_back({"small tournament selection", Lines(SelectionLines(small.db.players))});
  small.MatchProgram(8);
  Local2Form form;
  Local2FormLoad(form, small.t, small.db, small.dialogs);
  form.Text1.text = "1", form.Text2.text = "2", form.Text3.text = "0";
  Command1Click(form, small.t, small.db, small.dialogs);
  out.push_back({"small tournament matches", Lines(MatchListLines(small.t, small.db.players))});
  out.push_back({"small tournament groups", Lines(GroupViewLines(small.t, small.db.players))});
  out.push_back({"small tournament standings", Lines(CurrentStandingsLines(small.t, small.db.players))});
  out.push_back({"small tournament report", TournamentReportLines(FiledMatches(small.t, false), small.db.players)});
  const Date today = small.clock.Today();
  for (auto print : {&PrintGroups, &PrintMatchProgram, &PrintStandings}) {
    RecordedPrintJob job;
    print(job, small.dialogs, small.t, small.db.players, today);
    out.push_back({"small tournament printed", Printed(job)});
  }
  {
    RecordedPrintJob job;
    PrintSanctionedReports(job, small.dialogs, small.t, FiledMatches(small.t, false), small.db.players, today);
    out.push_back({"sanctioned reports printed", Printed(job)});
  }
  return out;
}

// Every line built with the names in their own letters is, letter for
// letter, the line built with plain letters in their place: each column
// after a name starts at the same character on every line, and no cut falls
// inside a letter.
TEST(NamesInColumns, EveryListAndPrintoutKeepsItsColumnsForAnyLetters) {
  Strings plainNames;
  for (const auto& n : Names) plainNames.push_back(Plain(n));
  const auto own = EveryList(Names);
  const auto plain = EveryList(plainNames);
  ASSERT_EQ(own.size(), plain.size());
  for (size_t k = 0; k < own.size(); ++k) {
    SCOPED_TRACE(own[k].first);
    EXPECT_FALSE(own[k].second.empty());
    Strings mapped;
    for (const auto& line : own[k].second) mapped.push_back(Plain(line));
    Strings expected = plain[k].second;
    // The order by name may differ; the lines may not.
    std::sort(mapped.begin(), mapped.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(mapped, expected);
  }
}

TEST(NamesInColumns, SearchesFindANameTypedInTheOtherCase) {
  test::ListsClub club;
  for (const std::string& name : Names) club.Add(name, 1500, 0, 0, 0);
  EXPECT_EQ(Lines(SearchPlayers(club.db.players, "BJØRN")).size(), 2u);
  EXPECT_EQ(Lines(SearchPlayers(club.db.players, "łukasz")).size(), 1u);
  ListBox list;
  for (const auto& item : PlayersByName(club.db.players)) list.lines.push_back(item);
  AlphaSearchSelect(list, "åSE", 0);
  ASSERT_EQ(list.selected.size(), 2u);
  EXPECT_EQ(list.lines[static_cast<size_t>(list.selected[0])].line.substr(0, 4), "Åse");
}

TEST(NamesInColumns, TheNameViewOfTheControlCentre) {
  test::ListsClub club;
  for (size_t i = 0; i < Names.size(); ++i)
    club.Add(Names[i], static_cast<int>(1400 + 37 * i), 0, 0, 0, StatusActive, static_cast<int>(10001 + i));
  EXPECT_EQ(Lines(PlayersByName(club.db.players)), (Strings{
                                                       "Anders Berg                   6 1585   10006",
                                                       "Jürgen Müller                 2 1437   10002",
                                                       "Kari Lund                     7 1622   10007",
                                                       "Søren Ærø                     1 1400   10001",
                                                       "Zoë Ångström                  4 1511   10004",
                                                       "Åse Bjørnstad-Løvås           3 1474   10003",
                                                       "Åse Bjørnstad-Løvås Ærøskø    8 1659   10008",
                                                       "Łukasz Wróbel                 5 1548   10005",
                                                   }));
  for (const auto& line : Lines(PlayersByName(club.db.players))) EXPECT_EQ(CharCount(line), 44u) << line;
}

}  // namespace
}  // namespace hrs
