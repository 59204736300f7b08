// A small tournament to the ratings: its ranking-system file is added in
// the Control Centre and rated like any other tournament file.
#include <gtest/gtest.h>

#include "core/control/control_centre_form.h"
#include "core/data/file_io.h"
#include "core/data/registry_file.h"
#include "core/rating/calculate_ratings.h"
#include "core/tournament/output_files.h"
#include "playoff_club.h"

namespace hrs {
namespace {

TEST(TournamentRoad, EightPlayersFromPairingToRatedFinal) {
  test::PlayoffClub club;
  club.db.setup = SetupRecord::Created(2026);
  for (int id = 1; id <= 8; ++id) club.db.players[id].StartRating = club.db.players[id].Rating;
  club.db.players.ActiveCount = club.db.players.CountActive();
  club.Pair(8);
  lt2mnu_rpClick(club.l2, club.t, club.db, club.dialogs);
  // The underdog of every playoff match wins.
  for (const char* m : {"1", "2", "3", "4", "5", "6", "7", "8"}) club.Enter(m, "0", "2");
  lt2mnu_roClick(club.l2, club.t, club.db, club.dialogs, club.clock);
  const std::string name = RankingSystemFileName(club.t.base);
  ControlCentreForm centre;
  ControlCentreLoad(centre, club.db, club.dialogs, club.clock);
  Option3Click(centre, club.db, club.dialogs, club.clock);
  ASSERT_EQ(centre.List3.lines.size(), 1u);
  EXPECT_EQ(centre.List3.lines[0].line, "RHRS-" + club.t.base);
  const auto written = ReadWholeFile(club.db.location.DataPath(name));
  club.dialogs.Clear();
  List3DblClick(centre, club.db, club.dialogs, club.clock, 0);
  EXPECT_EQ(club.dialogs.Messages(), (std::vector<std::string>{"No errors found", "File validated and added"}));
  EXPECT_EQ(ReadRegistry(club.db.location, 2026), std::vector<std::string>{name});
  EXPECT_EQ(ReadWholeFile(club.db.location.DataPath(name)), written);
  const int before7 = club.db.players[7].Rating, before1 = club.db.players[1].Rating;
  const auto outcome = CalculateRatings(club.db, 1, 12, club.dialogs, club.clock);
  ASSERT_FALSE(outcome.stopped);
  EXPECT_TRUE(outcome.writeErrors.empty());
  // Sys Id 7 lost its three round-robin matches, beat the top seed in the
  // quarterfinal, then lost the semifinal and the match for third place;
  // Sys Id 1 won its group and lost its only playoff match.
  EXPECT_EQ(club.db.players[7].Won, 1);
  EXPECT_EQ(club.db.players[7].Lost, 3 + 2);
  EXPECT_EQ(club.db.players[1].Won, 3);
  EXPECT_EQ(club.db.players[1].Lost, 1);
  EXPECT_NE(club.db.players[7].Rating, before7);
  EXPECT_NE(club.db.players[1].Rating, before1);
}

}  // namespace
}  // namespace hrs
