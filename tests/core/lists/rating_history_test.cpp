#include <gtest/gtest.h>

#include "core/lists/rating_history.h"
#include "lists_club.h"

namespace hrs {
namespace {

using test::ListsClub;

struct HistoryClub : ListsClub {
  HistoryClub() {
    Add("Siri", 1500);                                  // 1
    Add("Gone", 1500, 0, 0, 0, StatusDeleted);          // 2
    Add("Bartholomew Fitzgerald-Lund", 1620);           // 3: 27 characters
    History(1, {1510, 0, 1530, 1540});
    History(3, {1600, 1610, 1620});
    db.players[3].StartRating = 1590;
  }
};

TEST(RatingHistoryGrid, MonthsUpToTheCurrentOneInTheRatingYear) {
  HistoryClub club;
  club.clock.Set({{2026, 3, 15}, 9, 0, 0});
  const HistoryGrid byName = RatingHistoryGrid(HistoryOrder::ByName, club.db, club.clock);
  EXPECT_EQ(byName.caption, "Rating History by Name");
  EXPECT_EQ(byName.rowCount, 4);  // PlayerCount + 1; the deleted player's row stays empty
  ASSERT_EQ(byName.rows.size(), 3u);
  using Row = std::array<std::string, HistoryColumns>;
  EXPECT_EQ(byName.rows[0], (Row{"Id", "Name", "Start", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep",
                                 "Oct", "Nov", "Dec"}));
  EXPECT_EQ(byName.rows[1], (Row{"3", "Bartholomew Fitzgerald-Lund", "1590", "1600", "1610", "1620"}));
  EXPECT_EQ(byName.rows[2], (Row{"1", "Siri", "1500", "1510", "0", "1530"}));
  EXPECT_EQ(byName.sysIds, (std::vector<int>{0, 3, 1}));  // the player of each row, for the chart

  const HistoryGrid bySysId = RatingHistoryGrid(HistoryOrder::BySysId, club.db, club.clock);
  EXPECT_EQ(bySysId.caption, "Rating History by Sys Id");
  EXPECT_EQ(bySysId.rows[1][0], "1");

  // An earlier rating year shows all twelve months.
  club.db.setup.RatingYear = 2025;
  EXPECT_EQ(RatingHistoryGrid(HistoryOrder::BySysId, club.db, club.clock).rows[1][14], "0");
  EXPECT_EQ(LastHistoryMonth(club.db.setup, club.clock), 12);
}

TEST(RatingHistoryPrinted, PortraitInMarch) {
  HistoryClub club;
  club.clock.Set({{2026, 3, 15}, 9, 0, 0});
  ASSERT_TRUE(PrintHistory(HistoryOrder::BySysId, club.db, club.dialogs, club.job, club.clock));
  const auto calls = club.dialogs.calls;
  ASSERT_EQ(calls.size(), 3u);  // the notice, the font, the print dialog: portrait suits March
  EXPECT_EQ(calls[0].text,
            "If current month is August or later\ryou must specify landscape orientation\rand your printer and "
            "printer driver must\rsupport this orientation");
  EXPECT_EQ(calls[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(calls[0].icon, Icon::Information);
  EXPECT_EQ(calls[2].kind, "printer");
  EXPECT_EQ(club.job.Text(),
            "\n"
            "                              Halvik Club\n"
            "\n"
            "HRS 1.24    Rating History     Printed 2026-03-15     Page 1\n"
            "\n"
            "  Id Name                    Start  Jan  Feb  Mar  Apr  May  Jun  Jul\n"
            "\n"
            "   1 Siri                     1500 1510      1530\n"
            "   3 Bartholomew Fitzgerald-  1590 1600 1610 1620\n");
}

TEST(RatingHistoryPrinted, TheOrientationDecidesLinesAPageAndTheHeader) {
  struct Case {
    int month;
    Orientation before, chosen;
    bool pageSetupShown;
    size_t firstPageLines;
  };
  for (const Case c : {Case{9, Orientation::Portrait, Orientation::Landscape, true, 45},
                       Case{9, Orientation::Landscape, Orientation::Landscape, false, 45},
                       Case{5, Orientation::Landscape, Orientation::Portrait, true, 57},
                       Case{9, Orientation::Portrait, Orientation::Portrait, true, 57}}) {
    ListsClub club;
    club.clock.Set({{2026, c.month, 1}, 9, 0, 0});
    for (int i = 1; i <= 60; ++i) club.Add("Player " + std::to_string(i), 1500);
    club.job.SetOrientation(c.before);
    club.dialogs.pageSetupAction = [&] { club.job.SetOrientation(c.chosen); };
    ASSERT_TRUE(PrintHistory(HistoryOrder::ByName, club.db, club.dialogs, club.job, club.clock));
    int pageSetups = 0;
    for (const auto& call : club.dialogs.calls) pageSetups += call.kind == "pagesetup";
    EXPECT_EQ(pageSetups, c.pageSetupShown ? 1 : 0) << c.month;
    const auto& pages = club.job.Pages();
    EXPECT_EQ(pages[0].size(), c.firstPageLines);
    const bool landscape = c.chosen == Orientation::Landscape;
    EXPECT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].size(), landscape ? 7u + 22u : 7u + 10u);
    EXPECT_EQ(pages[0][1].size(), landscape ? 49u + 11u : 30u + 11u);  // the name centred on 110 or 72
    EXPECT_EQ(pages[0][3], landscape ? "HRS 1.24    Rating History                                 Printed 2026-" +
                                           std::string(c.month < 10 ? "0" : "") + std::to_string(c.month) +
                                           "-01     Page 1"
                                     : "HRS 1.24    Rating History     Printed 2026-" + std::string(c.month < 10 ? "0" : "") +
                                           std::to_string(c.month) + "-01     Page 1");
    EXPECT_EQ(pages[0][5].size(), landscape ? 94u : 69u);
    // The values follow the months, whatever the headings: a portrait page
    // from August on has more values than headings.
    EXPECT_EQ(pages[0][7].size(), 34u + 5u * static_cast<size_t>(c.month));
  }
}

TEST(RatingHistoryPrinted, CancellingADialogPrintsNothing) {
  for (int stop = 0; stop < 3; ++stop) {
    HistoryClub club;
    club.clock.Set({{2026, 9, 1}, 9, 0, 0});
    if (stop == 0) club.dialogs.Answer(Answer::Cancel);
    if (stop == 1) club.dialogs.PageSetupAnswer(false);
    if (stop == 2) club.dialogs.PrinterAnswer(false);
    EXPECT_FALSE(PrintHistory(HistoryOrder::BySysId, club.db, club.dialogs, club.job, club.clock));
    EXPECT_EQ(club.job.Documents(), 0);
  }
  ListsClub empty;
  EXPECT_FALSE(PrintHistory(HistoryOrder::BySysId, empty.db, empty.dialogs, empty.job, empty.clock));
  EXPECT_EQ(empty.dialogs.Messages(), std::vector<std::string>{"No players in database"});
}

}  // namespace
}  // namespace hrs
