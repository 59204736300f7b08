#include "core/rating/calculate_ratings.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/data/player_file.h"
#include "core/data/rating_stats_file.h"
#include "core/rating/rating_formula.h"
#include "core/rating/rating_club.h"

namespace hrs {
namespace {

using test::RatingClub;

TEST(CalculateRatings, KChangesOneAboveEachGroupLimit) {
  // Equal ratings: the winner gains K / 2 and the loser gives K / 2.
  RatingClub club({2099, 2099, 2100, 2100, 2399, 2399, 2400, 2400});
  club.Result(1, 5, "1", "2");
  club.Result(1, 5, "3", "4");
  club.Result(1, 5, "5", "6");
  club.Result(1, 5, "7", "8");
  club.Run(1, 1);
  EXPECT_EQ(club.Rating(1), 2115);  // at Group1Limit: K1 = 32
  EXPECT_EQ(club.Rating(2), 2083);
  EXPECT_EQ(club.Rating(3), 2112);  // one above: K2 = 24
  EXPECT_EQ(club.Rating(4), 2088);
  EXPECT_EQ(club.Rating(5), 2411);  // at Group2Limit: K2
  EXPECT_EQ(club.Rating(7), 2408);  // above: K3 = 16
  EXPECT_EQ(club.Rating(8), 2392);
}

TEST(CalculateRatings, EqualDrawChangesNothingAndCountsForBoth) {
  RatingClub club({1600, 1600});
  club.Result(3, 1, "2", "1", "X");
  club.Run(1, 3);
  EXPECT_EQ(club.Rating(1), 1600);
  EXPECT_EQ(club.Rating(2), 1600);
  EXPECT_EQ(club.db.players[1].Drawn, 1);
  EXPECT_EQ(club.db.players[2].Drawn, 1);
  EXPECT_EQ(club.db.players[1].Won + club.db.players[1].Lost, 0);
}

TEST(CalculateRatings, UnknownOpponentsAreRatedWithFirstRating) {
  RatingClub club({1600, 1700});
  club.db.players[2].MbShipNo = 12345;
  club.Result(2, 3, "1", "999999");     // unknown: no membership number
  club.Result(2, 3, "54321", "12345");  // membership number nobody holds beats player 2
  const auto out = club.Run(1, 2);
  EXPECT_EQ(club.Rating(1), 1616);
  const double we = WinExpectancy(1700, 1600, 400);
  EXPECT_EQ(club.Rating(2), static_cast<int>(std::nearbyint(1700 + 32 * (0 - we))));
  EXPECT_EQ(club.db.players[2].Lost, 1);
  EXPECT_EQ(out.figures.calculations, 4);  // the unknown side counts all the same
  EXPECT_FALSE(out.figures.bypassed);
}

TEST(CalculateRatings, AnIdWiderThanItsColumnIsAnUnknownPlayer) {
  RatingClub club({1600, 1600, 1600});
  // Nine digits: were the columns shifted, Sys Id 9 or player 2 would be rated.
  club.Result(2, 3, "123456789", "2", "X");
  const auto out = club.Run(1, 2);
  EXPECT_EQ(club.db.players[2].Drawn, 1);
  EXPECT_EQ(club.db.players[2].Lost, 0);
  EXPECT_EQ(club.Rating(2), 1600);
  EXPECT_EQ(out.figures.calculations, 2);
}

TEST(CalculateRatings, MembershipNumberStandsForTheLowestSysIdHoldingIt) {
  RatingClub club({1600, 1600, 1600});
  club.db.players[2].MbShipNo = 55555;
  club.db.players[3].MbShipNo = 55555;
  club.Result(1, 1, "55555", "1");
  club.Result(1, 1, "3", "999999", "X");  // a Sys Id within 1..PlayerCount is never a membership number
  club.Run(1, 1);
  EXPECT_EQ(club.Rating(2), 1616);
  EXPECT_EQ(club.db.players[3].Won, 0);
  EXPECT_EQ(club.db.players[3].Drawn, 1);
}

TEST(CalculateRatings, BypassedResultsLowerTheAcceptance) {
  RatingClub club({1600, 1600});
  club.db.location.dataInQtpDir = true;
  club.db.location.qtpDir = club.dir.path();
  club.Result(4, 1, "1", "2");
  club.Result(4, 1, "999999", "0");  // both unknown
  club.Result(4, 2, "2", "2");       // the same player twice
  club.Result(4, 2, "-7", "1");      // a negative id is unknown; the result counts
  const auto out = club.Run(1, 4);
  EXPECT_EQ(out.figures.calculations, 4);
  EXPECT_EQ(out.figures.resultsCollected, 4);
  EXPECT_TRUE(out.figures.bypassed);
  EXPECT_EQ(out.report,
            "Ratings successfully completed\r4 calculations performed\r"
            "including file handling and database update.\r50.0% of the filed results were used.\r"
            "2 unidentifyable results were found.");
  club.db.location.dataInQtpDir = false;
  EXPECT_EQ(club.Run(1, 4).report.find("unidentifyable"), std::string::npos);
}

TEST(CalculateRatings, FutureDatedLineIsNotCollected) {
  RatingClub club({1600, 1600});
  club.clock.Set({{1997, 6, 15}, 9, 0, 0});
  club.Result(6, 15, "1", "2");
  club.Result(6, 16, "2", "1");
  const auto out = club.Run(1, 6);
  EXPECT_EQ(out.figures.resultsCollected, 1);
  EXPECT_EQ(club.Rating(1), 1616);
  EXPECT_NE(out.report.find("\r100.0% of the filed results were used."), std::string::npos);
}

TEST(CalculateRatings, ResultsOfOneDayUseTheRatingsOfTheDayBefore) {
  RatingClub club({1600, 1600, 1600, 1600});
  club.Result(5, 9, "1", "3");  // filed after day 10's results: the day decides
  club.Result(5, 2, "1", "2");
  club.Result(5, 2, "1", "3");
  club.Run(5, 5);
  // Day 2: both wins against 1600 at 1600; day 9: at 1632 against 1584.
  const double day2 = 1600 + 16 + 16;
  const double day9 = day2 + 32 * (1 - WinExpectancy(1632, 1584, 400));
  EXPECT_EQ(club.Rating(1), static_cast<int>(std::nearbyint(day9)));
  EXPECT_EQ(club.db.players[1].Won, 3);
}

TEST(CalculateRatings, StoredRatingsRoundHalvesToEvenAndExpectancyDropsFractions) {
  RatingClub club({1700, 1700, 1701, 1701});
  club.db.setup.AdjConst1 = 25;  // equal ratings: +-12.5
  club.Result(1, 1, "1", "2");
  club.Result(1, 1, "3", "4");
  club.Run(1, 1);
  EXPECT_EQ(club.Rating(1), 1712);  // 1712.5
  EXPECT_EQ(club.Rating(2), 1688);  // 1687.5
  EXPECT_EQ(club.Rating(3), 1714);  // 1713.5
  EXPECT_EQ(club.Rating(4), 1688);  // 1688.5

  RatingClub next({1700, 1600, 1600});
  next.Result(1, 1, "1", "2");
  next.Result(1, 2, "1", "3");
  next.Run(1, 1);
  const double day1 = 1700 + 32 * (1 - WinExpectancy(1700, 1600, 400));  // 1711.5..: stored 1712
  ASSERT_GT(day1 - std::floor(day1), 0.5);
  const double day2 = day1 + 32 * (1 - WinExpectancy(static_cast<int>(day1), 1600, 400));
  EXPECT_EQ(next.Rating(1), static_cast<int>(std::nearbyint(day2)));
}

TEST(CalculateRatings, LaterStartMonthStartsFromThePriorMonthEnd) {
  RatingClub club({0, 1500, 1600});
  club.db.stats.At(2, 4) = 1650;  // end of March
  club.Result(3, 10, "2", "3");   // before the start month: not rated, not counted
  club.Result(4, 10, "3", "2", "X");
  const auto out = club.Run(4, 4);
  EXPECT_EQ(club.Rating(1), 0);  // no March value: the start rating, even 0
  EXPECT_EQ(club.db.stats.At(1, 5), 0);
  const double we = WinExpectancy(1600, 1650, 400);
  EXPECT_EQ(club.Rating(3), static_cast<int>(std::nearbyint(1600 + 32 * (0.5 - we))));
  EXPECT_EQ(club.db.players[2].Won, 0);
  EXPECT_EQ(club.db.players[2].Drawn, 1);
  EXPECT_EQ(out.figures.resultsCollected, 1);
}

TEST(CalculateRatings, MonthEndsAreStoredAndBothFilesSaved) {
  RatingClub club({1600, 0});
  club.db.players[2].Status = StatusDeleted;  // still rated
  club.db.players.ActiveCount = 1;
  club.Result(1, 1, "1", "2");
  club.Result(3, 1, "1", "2");
  const auto out = club.Run(1, 3);
  EXPECT_TRUE(out.writeErrors.empty());
  EXPECT_EQ(club.db.stats.At(1, 2), 1616);
  EXPECT_EQ(club.db.stats.At(1, 3), 1616);  // a month without results is stored too
  EXPECT_EQ(club.db.stats.At(2, 1), 0);
  EXPECT_EQ(club.db.stats.At(2, 2), 1584);  // no start rating: the first rating
  EXPECT_EQ(club.dir.Read("player.hrs"), PlayerFileBytes(club.db.players));
  EXPECT_EQ(club.dir.Read("ratstat.hrs"), RatingStatsBytes(club.db.stats, 2));
  EXPECT_EQ(club.db.AverageRating, club.Rating(1));  // only the active player
}

TEST(CalculateRatings, TournamentFilesNeedKontrolAndAnEightCharacterDate) {
  RatingClub club({1600, 1600, 1600, 1600});
  club.dir.Write("RQTP0001.DAT", "\"kontrol\"\r\n\"19970207\"\r\n1,2,3,9,\" \"\r\n");
  club.dir.Write("RQTP0002.DAT", "\"kontrol\"\r\n\"1997021\"\r\n3,4,1,2,\" \"\r\n");
  club.dir.Write("RHRSLT970210", "\"kontrol\"\r\n\"19970210\"\r\n4,3,0,0,\"X\"\r\n");
  club.Registry({"RQTP0001.DAT", "MISSING.DAT", "RQTP0002.DAT", "RHRSLT970210"});
  const auto out = club.Run(1, 2);
  EXPECT_EQ(club.Rating(1), 1616);
  EXPECT_EQ(club.db.players[3].Won, 0);  // the 7-character date is never used
  EXPECT_EQ(club.db.players[3].Drawn, 1);  // a missing file does not hide the ones after it
  EXPECT_EQ(out.figures.resultsCollected, 2);
  EXPECT_TRUE(club.dialogs.Messages().empty());
}

TEST(CalculateRatings, UnvalidatedTournamentAsksAndNoWritesNothing) {
  RatingClub club({1600, 1600});
  club.dir.Write("RQTP0007.DAT", "\"19970207\"\r\n1,2,3,9,\" \"\r\n");
  club.Registry({"RQTP0007.DAT"});
  club.Result(2, 1, "2", "1");
  club.dialogs.Answer(Answer::No);
  auto out = club.Run(1, 2);
  EXPECT_TRUE(out.stopped);
  EXPECT_EQ(club.Rating(2), 1600);
  EXPECT_FALSE(club.dir.Exists("player.hrs"));
  EXPECT_FALSE(club.dir.Exists("ratstat.hrs"));
  ASSERT_EQ(club.dialogs.MessageCalls().size(), 1u);
  const auto call = club.dialogs.MessageCalls()[0];
  EXPECT_EQ(call.text,
            "The QTP tournament file RQTP0007.DAT has not been\rvalidated and will be bypassed. The reason is "
            "probably\rthat a new HRS file has been made from QTP.\rFrom Control Centre do this:\r\r1. First "
            "remove the tournament from the collection\r2. Then add the tournament in order to validate\r\rDo "
            "you want to continue the calculation of ratings ?");
  EXPECT_EQ(call.buttons, Buttons::YesNo);
  EXPECT_EQ(call.icon, Icon::Question);
  EXPECT_EQ(call.title, "QTP tournament not validated");
  EXPECT_EQ(club.dialogs.Beeps(), 1);

  club.dialogs.Answer(Answer::Yes);
  out = club.Run(1, 2);
  EXPECT_FALSE(out.stopped);
  EXPECT_EQ(club.Rating(2), 1616);  // the month file only
  EXPECT_TRUE(club.dir.Exists("player.hrs"));
}

// A clock whose timer moves on 2 seconds at each reading.
class TickingClock : public test::FixedClock {
 public:
  double SecondsSinceMidnight() const override { return now_ += 2; }
  mutable double now_ = 1000;
};

TEST(CalculateRatings, ReportTellsTheSpeedOnlyWhenTimePassed) {
  RatingClub club({1600, 1600, 1600});
  club.Result(1, 1, "1", "2");
  club.Result(1, 1, "1", "3");
  club.Result(1, 2, "3", "2", "X");
  EXPECT_EQ(club.Run(1, 1).report,
            "Ratings successfully completed\r6 calculations performed\r"
            "including file handling and database update.\r100.0% of the filed results were used.");
  TickingClock ticking;
  ticking.Set(club.clock.Now());
  const auto out = CalculateRatings(club.db, 1, 1, club.dialogs, ticking);
  EXPECT_EQ(out.report,
            "Ratings successfully completed\r6 calculations performed\rwith 3 calculations per second\r"
            "including file handling and database update.\r100.0% of the filed results were used.");
  ShowCalculationReport(out, club.dialogs);
  EXPECT_EQ(club.dialogs.MessageCalls().back().icon, Icon::None);

  RatingClub empty({1600, 1600});  // nothing collected: no acceptance line
  EXPECT_EQ(empty.Run(1, 1).report,
            "Ratings successfully completed\r0 calculations performed\r"
            "including file handling and database update.");
}

TEST(CalculateRatings, FailedSaveIsReportedNotSuccess) {
  RatingClub club({1600, 1600});
  std::filesystem::create_directory(club.dir.path() / "player.hrs");  // cannot be replaced by a file
  club.Result(1, 1, "1", "2");
  const std::string statsBefore = club.dir.Read("ratstat.hrs");
  const auto out = club.Run(1, 1);
  ASSERT_EQ(out.writeErrors.size(), 1u);
  EXPECT_EQ(out.report.find("successfully"), std::string::npos);
  EXPECT_EQ(out.report.rfind("The ratings were calculated, but not every file could be saved:\r", 0), 0u);
  EXPECT_EQ(out.reportIcon, Icon::Critical);
  // The two files belong together: neither is replaced alone.
  EXPECT_EQ(club.dir.Read("ratstat.hrs"), statsBefore);
}

TEST(CalculationReport, NumberFormats) {
  EXPECT_EQ(FormatWhole(0, 3), "");
  EXPECT_EQ(FormatWhole(5, 2), "3");  // halves away from zero
  EXPECT_EQ(FormatWhole(123456, 1), "123456");
  EXPECT_EQ(FormatPercent(1, 1), "100.0%");
  EXPECT_EQ(FormatPercent(2, 3), "66.7%");
  EXPECT_EQ(FormatPercent(1, 2000), ".1%");  // 0.05% rounds up; no leading zero
  EXPECT_EQ(FormatPercent(0, 4), ".0%");
}

}  // namespace
}  // namespace hrs
