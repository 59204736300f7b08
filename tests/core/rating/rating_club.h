#pragma once
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/data/file_io.h"
#include "core/data/transaction_names.h"
#include "core/rating/calculate_ratings.h"
#include "support/test_club.h"

namespace hrs::test {

// A small club, rating year 1997 (today 31 December 1997), for the calculation.
struct RatingClub : TestClub {
  explicit RatingClub(const std::vector<int>& startRatings) : TestClub(1997) {
    clock.Set({{1997, 12, 31}, 12, 0, 0});
    for (size_t i = 0; i < startRatings.size(); ++i) AddPlayer("Player " + std::to_string(i + 1), startRatings[i]);
  }

  // A month-file line as the keyboard entry writes it.
  void Result(int month, int day, const std::string& first, const std::string& second, const std::string& code = " ") {
    const std::string date = "1997" + Two(month) + Two(day);
    EXPECT_FALSE(AppendToFile(dir.path() / MonthFileName(1997, month),
                              "\"" + date + "\",\"" + first + "\",\"" + second + "\",\"" + code + "\"\r\n"));
  }
  void Registry(const std::vector<std::string>& names) {
    std::string bytes;
    for (const auto& n : names) bytes += "\"" + n + "\"\r\n";
    dir.Write(RegistryFileName(1997), bytes);
  }

  // Saved, with two March results, a registered tournament file and a
  // ranking snapshot: every file the changes of several files touch.
  void SaveWithMonthTournamentAndSnapshot() {
    SaveAll();
    Result(3, 5, "1", "2");
    Result(3, 6, "2", "1", "X");
    Registry({"RQTP0001.DAT"});
    dir.Write("RQTP0001.DAT", "\"kontrol\"\r\n\"19970301\"\r\n1,2,1,2,\" \"\r\n");
    dir.Write("orank.hrs", "#1997-01-01 10:00:00#\r\n1\r\n2\r\n");
  }

  CalculationOutcome Run(int from = 1, int to = 12, MonthReading reading = MonthReading::Fast) {
    return CalculateRatings(db, from, to, dialogs, clock, {}, reading);
  }
  int Rating(int id) const { return db.players[id].Rating; }

  static std::string Two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }
};

}  // namespace hrs::test
