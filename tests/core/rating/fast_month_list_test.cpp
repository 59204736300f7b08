#include "core/rating/fast_month_list.h"

#include <gtest/gtest.h>

#include <random>

#include "core/rating/rating_club.h"

namespace hrs {
namespace {

using test::RatingClub;

PlayerTable Members(int count) {
  PlayerTable t;
  t.PlayerCount = count;
  for (int id = 1; id <= count; ++id) t[id].MbShipNo = id % 5 == 0 ? NoMembership : 10000 + id % 37;
  return t;
}

TEST(FastMonthList, OrdersExactlyAsTheItemTexts) {
  std::mt19937 rng(7);
  const std::vector<std::string> ids = {"1", "2", "10", "02", "002", "0", "99", "100", "999999", "10003", "00010003",
                                        "12345678", "7", "20", "19"};
  const std::vector<std::string> codes = {" ", "X", "x", ""};
  const PlayerTable players = Members(40);
  const PlayerIdentifier identify(players);
  for (int round = 0; round < 20; ++round) {
    std::vector<MonthResult> results;
    FastMonthList fast(identify);
    // The last rounds give one player most of a day's results.
    const bool busy = round >= 17;
    for (int i = 0; i < 300; ++i) {
      const std::string day = busy ? "01" : RatingClub::Two(1 + static_cast<int>(rng() % 4));
      const std::string first = busy && rng() % 8 ? "7" : ids[rng() % ids.size()];
      results.push_back({day, first, ids[rng() % ids.size()], codes[rng() % codes.size()]});
      ASSERT_TRUE(fast.Add(results.back()));
    }
    std::vector<RatedEntry> entries;
    ASSERT_TRUE(fast.Sorted(entries));
    ASSERT_EQ(entries, SortedMonthEntries(results, identify));
  }
}

TEST(FastMonthList, RefusesWhatItCannotOrderAndReadsTheUsualLines) {
  const PlayerTable players = Members(40);
  const PlayerIdentifier identify(players);
  FastMonthList fast(identify);
  EXPECT_FALSE(fast.Add({"01", "-5", "2", " "}));
  EXPECT_FALSE(fast.Add({"01", " 12", "2", " "}));
  EXPECT_FALSE(fast.Add({"01", "123456789", "2", " "}));
  EXPECT_FALSE(fast.Add({"1", "1", "2", " "}));
  EXPECT_FALSE(fast.Add({"01", "1", "2", "XY"}));
  EXPECT_FALSE(fast.AddMonthFile("\"19970101\",1,2,\" \"\r\n\r\n\"19970102\",1,2,\" \"\r\n", "19971231"));
  EXPECT_FALSE(fast.AddMonthFile("\"19970101\",1,2\r\n", "19971231"));
  EXPECT_FALSE(fast.AddMonthFile("\"19970101\",123456789,2,\" \"\r\n\"19970101\",1,2,\" \"\r\n", "19971231"));
  EXPECT_FALSE(fast.AddMonthFile("\"19970101\",12a,2,\" \"\r\n\"19970101\",1,2,\" \"\r\n", "19971231"));
  // A quoted NUL is a code of its own, as the last line and far from the end.
  const std::string nul("\"19970101\",1,2,\"\0\"\r\n", 20);
  std::string usual;
  for (int i = 0; i < 4; ++i) usual += "\"19970101\",1,2,\" \"\r\n";
  EXPECT_FALSE(fast.AddMonthFile(usual + nul, "19971231"));
  EXPECT_FALSE(fast.AddMonthFile(nul + usual, "19971231"));
  EXPECT_EQ(fast.Size(), 0u);
  EXPECT_TRUE(fast.AddMonthFile("\"19970102\",\"3\",4,\"X\"\r\n19970101,1,\"2\",\r\n\"19970105\",5,6,\" \"\n\r\n",
                                "19970104"));
  std::vector<RatedEntry> entries;
  ASSERT_TRUE(fast.Sorted(entries));
  EXPECT_EQ(entries, (std::vector<RatedEntry>{{1, 2, false, false}, {3, 4, true, true}}));

  // Ids of all lengths in a buffer long enough for the eight-at-a-time reading.
  PlayerTable eight = Members(40);
  eight[9].MbShipNo = 12345678;
  const PlayerIdentifier identify8(eight);
  FastMonthList longIds(identify8);
  ASSERT_TRUE(longIds.AddMonthFile("\"19970101\",\"12345678\",00000009,\" \"\r\n"
                                   "\"19970101\",\"9\",\"0010011\",\"X\"\r\n",
                                   "19971231"));
  ASSERT_TRUE(longIds.Sorted(entries));
  EXPECT_EQ(entries, (std::vector<RatedEntry>{{9, 11, true, false}, {9, 9, false, false}}));
}

// A year of results with every kind of line the files may hold.
void WriteQuirkyYear(RatingClub& club, std::mt19937& rng) {
  const std::vector<std::string> plainIds = {"1", "2", "3", "7", "12", "25", "40", "007", "10003", "10020",
                                             "10036", "999999", "55555", "0", "00000012", "00010003"};
  // Every form of the usual line: bare or quoted date, code quoted, bare or
  // left out, either line end.
  const std::vector<std::string> codeForms = {"\" \"", "\"X\"", "\"x\"", "\"\"", "X", "x", ""};
  const std::vector<std::string> oddIds = {"-5", "abc", " 12", "123456789", "1.5", "12abc", ""};
  for (int month = 1; month <= 12; ++month) {
    std::string bytes;
    const bool quirky = month % 2 == 0;
    for (int i = 0; i < 400; ++i) {
      const int day = 1 + static_cast<int>(rng() % 28);
      std::string a = plainIds[rng() % plainIds.size()], b = plainIds[rng() % plainIds.size()];
      if (quirky && rng() % 20 == 0) a = oddIds[rng() % oddIds.size()];
      const char* code = rng() % 4 == 0 ? "X" : rng() % 9 == 0 ? "x" : " ";
      std::string date = "1997" + RatingClub::Two(month) + RatingClub::Two(day);
      if (quirky && rng() % 50 == 0) date = "199701";
      const bool quote = rng() % 2 == 0;
      auto id = [&](const std::string& v) { return quote ? "\"" + v + "\"" : v; };
      if (!quirky) {
        bytes += (rng() % 3 == 0 ? date : "\"" + date + "\"") + "," + id(a) + "," + id(b) + "," +
                 codeForms[rng() % codeForms.size()] + (rng() % 4 == 0 ? "\n" : "\r\n");
        continue;
      }
      bytes += "\"" + date + "\"," + id(a) + "," + id(b) + ",\"" + (rng() % 60 == 0 ? "XY" : code) + "\"\r\n";
    }
    club.dir.Write(MonthFileName(1997, month), bytes);
  }
  club.dir.Write("RQTP0001.DAT", "\"kontrol\"\r\n\"19970314\"\r\n1,2,3,9,\" \"\r\n10003,7,1,2,\"X\"\r\n");
  club.dir.Write("RQTP0002.DAT", "\"kontrol\"\r\n\"19970415\"\r\n\"-3\",2,3,9,\" \"\r\n");
  club.Registry({"RQTP0001.DAT", "RQTP0002.DAT"});
}

TEST(FastMonthList, FastAndPlainReadingGiveTheSameRatings) {
  RatingClub club({});
  std::mt19937 rng(11);
  for (int i = 1; i <= 40; ++i)
    club.AddPlayer("P" + std::to_string(i), 1400 + static_cast<int>(rng() % 900), 10000 + i % 37);
  club.db.players[3].MbShipNo = 55555;
  WriteQuirkyYear(club, rng);
  club.clock.Set({{1997, 11, 20}, 10, 0, 0});  // the rest of November and December lie ahead

  // Odd months are of the usual shape and take the quick way; even ones fall back.
  const PlayerIdentifier identify(club.db.players);
  FastMonthList usual(identify), unusual(identify);
  EXPECT_TRUE(usual.AddMonthFile(club.dir.Read(MonthFileName(1997, 1)), "19971120"));
  EXPECT_FALSE(unusual.AddMonthFile(club.dir.Read(MonthFileName(1997, 2)), "19971120"));

  const Database before = club.db;
  const auto plain = club.Run(1, 12, MonthReading::Straightforward);
  const Database afterPlain = club.db;
  const std::string plainPlayers = club.dir.Read("player.hrs"), plainStats = club.dir.Read("ratstat.hrs");
  // The quick way in order, and with the months read ahead on other threads.
  for (MonthReading reading : {MonthReading::FastInOrder, MonthReading::Fast}) {
    club.db = before;
    const auto fast = club.Run(1, 12, reading);
    EXPECT_EQ(fast.report, plain.report);
    EXPECT_EQ(fast.figures.calculations, plain.figures.calculations);
    EXPECT_EQ(fast.figures.resultsCollected, plain.figures.resultsCollected);
    EXPECT_GT(fast.figures.resultsCollected, 4000);
    for (int id = 1; id <= 40; ++id) {
      EXPECT_EQ(club.db.players[id], afterPlain.players[id]) << id;
      EXPECT_EQ(club.db.stats.rows[static_cast<size_t>(id)], afterPlain.stats.rows[static_cast<size_t>(id)]) << id;
    }
    EXPECT_EQ(club.dir.Read("player.hrs"), plainPlayers);
    EXPECT_EQ(club.dir.Read("ratstat.hrs"), plainStats);
  }
}

}  // namespace
}  // namespace hrs
