#include <gtest/gtest.h>

#include <functional>

#include "core/data/file_io.h"
#include "core/lists/master_lists.h"
#include "core/lists/printer_setup.h"
#include "core/lists/ranking_list.h"
#include "core/lists/rating_history.h"
#include "lists_club.h"

namespace hrs {
namespace {

using test::ListsClub;

// Every report but the rating history prints in portrait, whatever the
// printer was left in, and offers a file of its own named after it and the
// day; the history keeps the operator's paper.
TEST(PrinterSetup, EachReportStatesItsPaperAndOffersAFileOfItsOwn) {
  struct Case {
    const char* file;
    Orientation paper;
    std::function<void(ListsClub&)> print;
  };
  const Case cases[] = {
      {"ranking-2026-12-08.pdf", Orientation::Portrait,
       [](ListsClub& c) { PrintRankingDynamic(c.db, c.dialogs, c.job, c.clock); }},
      {"master-by-sys-id-2026-12-08.pdf", Orientation::Portrait,
       [](ListsClub& c) { PrintMasterList(MasterOrder::BySysId, c.db, c.dialogs, c.job, c.clock); }},
      {"master-by-mbship-no-2026-12-08.pdf", Orientation::Portrait,
       [](ListsClub& c) { PrintMasterList(MasterOrder::ByMbShip, c.db, c.dialogs, c.job, c.clock); }},
      {"master-by-name-2026-12-08.pdf", Orientation::Portrait,
       [](ListsClub& c) { PrintMasterList(MasterOrder::ByName, c.db, c.dialogs, c.job, c.clock); }},
      {"history-by-name-2026-12-08.pdf", Orientation::Landscape,
       [](ListsClub& c) { PrintHistory(HistoryOrder::ByName, c.db, c.dialogs, c.job, c.clock); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ListsClub club;
    club.Add("Siri", 1510);
    club.job.SetOrientation(Orientation::Landscape);  // left so by a landscape history
    c.print(club);
    EXPECT_EQ(club.job.CurrentOrientation(), c.paper);
    EXPECT_EQ(club.job.OfferedFile(), (club.dir.path() / c.file).lexically_normal().string());
  }
}

TEST(PrinterSetup, AFileOfTheSameNameIsNeverOfferedAgain) {
  ListsClub club;
  const auto dir = club.dir.path();
  EXPECT_EQ(DatedReportName("groups", {2026, 12, 9}), "groups-2026-12-09");
  EXPECT_EQ(NewReportFile(dir, "ranking-2026-12-09"), dir / "ranking-2026-12-09.pdf");
  ASSERT_FALSE(WriteFileAtomically(dir / "ranking-2026-12-09.pdf", "%PDF"));
  EXPECT_EQ(NewReportFile(dir, "ranking-2026-12-09"), dir / "ranking-2026-12-09-2.pdf");
  ASSERT_FALSE(WriteFileAtomically(dir / "ranking-2026-12-09-2.pdf", "%PDF"));
  EXPECT_EQ(NewReportFile(dir, "ranking-2026-12-09"), dir / "ranking-2026-12-09-3.pdf");
}

}  // namespace
}  // namespace hrs
