// A long run of random but valid operations through hrs-cli, some of them
// killed part-way, with the club's invariants checked after every step.
// HRS_SOAK_OPS sets the number of operations (a few hundred by default).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <sstream>

#include "core/data/file_io.h"
#include "core/data/month_file.h"
#include "core/data/player_file.h"
#include "core/data/prev_ranking_file.h"
#include "core/data/registry_file.h"
#include "core/data/rating_stats_file.h"
#include "core/data/setup_file.h"
#include "core/data/transaction_names.h"
#include "core/platform/clock.h"
#include "core/text/sorted_list.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

struct CliRun {
  int status = -1;  // exit status, or -1 when killed
  std::string out;
};

// hrs-cli in a child process; killed after killAfterUs when that is >= 0.
CliRun Cli(const std::filesystem::path& data, std::vector<std::string> args, int killAfterUs = -1) {
  int pipeFd[2];
  if (::pipe(pipeFd) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipeFd[1], 1);
    ::dup2(pipeFd[1], 2);
    ::close(pipeFd[0]);
    std::vector<std::string> all = {HRS_CLI_PATH, "--data", data.string()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(pipeFd[1]);
  if (killAfterUs >= 0) {
    ::usleep(static_cast<useconds_t>(killAfterUs));
    ::kill(pid, SIGKILL);
  }
  CliRun run;
  char buf[4096];
  for (ssize_t n; (n = ::read(pipeFd[0], buf, sizeof buf)) > 0;) run.out.append(buf, static_cast<size_t>(n));
  ::close(pipeFd[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// The ratings of a year worked out plainly from the rules, to hold the
// program's own against.
struct PlainRatings {
  std::vector<int> end;                          // by Sys Id, after the last month
  std::vector<std::array<int, 13>> monthEnds;    // columns 1..12
};

PlainRatings Recalculate(const SetupRecord& setup, const PlayerTable& players,
                         const std::vector<std::vector<Transaction>>& months, const std::string& today) {
  const int n = players.PlayerCount;
  std::vector<double> rating(static_cast<size_t>(n) + 1), change(static_cast<size_t>(n) + 1);
  for (int id = 1; id <= n; ++id) rating[id] = players[id].StartRating > 0 ? players[id].StartRating : setup.FirstRating;
  auto identify = [&](const std::string& text) {
    const long long id = std::atoll(text.c_str());
    if (id > 0 && id <= n) return static_cast<int>(id);
    if (id <= 0 || id == NoMembership) return 0;
    for (int s = 1; s <= n; ++s)
      if (players[s].MbShipNo == id) return s;
    return 0;
  };
  auto k = [&](int r) {
    return r < setup.Group1Limit + 1 ? setup.AdjConst1 : r < setup.Group2Limit + 1 ? setup.AdjConst2 : setup.AdjConst3;
  };
  PlainRatings out;
  out.monthEnds.assign(static_cast<size_t>(n) + 1, {});
  for (int m = 1; m <= 12; ++m) {
    SortedList items;
    for (const auto& t : months[m]) {
      if (t.date > today) continue;
      items.Add(t.date.substr(t.date.size() - 2) + std::string(8 - t.firstId.size(), ' ') + t.firstId +
                std::string(8 - t.secondId.size(), ' ') + t.secondId + t.code);
    }
    std::string day = items.Empty() ? "" : items[0].line.substr(0, 2);
    for (const auto& item : items.Items()) {
      if (item.line.substr(0, 2) != day) {
        for (int id = 1; id <= n; ++id) rating[id] += std::exchange(change[id], 0.0);
        day = item.line.substr(0, 2);
      }
      const int a = identify(item.line.substr(2, 8)), b = identify(item.line.substr(10, 8));
      if ((a == 0 && b == 0) || a == b) continue;
      const bool draw = item.line.size() == 19 && item.line[18] == 'X';
      const int r1 = a ? static_cast<int>(rating[a]) : setup.FirstRating;
      const int r2 = b ? static_cast<int>(rating[b]) : setup.FirstRating;
      const float we1f = 1.0f / (std::pow(10.0f, static_cast<float>(r2 - r1) / static_cast<float>(setup.WinFactor)) + 1.0f);
      const double we1 = we1f, we2 = 1.0 - we1;
      if (a) change[a] += k(r1) * ((draw ? 0.5 : 1.0) - we1);
      if (b) change[b] += k(r2) * ((draw ? 0.5 : 0.0) - we2);
    }
    for (int id = 1; id <= n; ++id) {
      rating[id] += std::exchange(change[id], 0.0);
      out.monthEnds[id][m] = static_cast<int>(std::nearbyint(rating[id]));
    }
  }
  out.end.resize(static_cast<size_t>(n) + 1);
  for (int id = 1; id <= n; ++id) out.end[id] = out.monthEnds[id][12];
  return out;
}

struct Club {
  test::TempDir dir;
  SetupRecord setup;
  PlayerTable players;
  std::vector<std::vector<Transaction>> log = std::vector<std::vector<Transaction>>(13);
  // The duels of the registered tournament files, by month, as validated.
  std::vector<std::vector<Transaction>> tournaments = std::vector<std::vector<Transaction>>(13);
  std::string today;
  int year = 0;
  // How the killed changes ended: undone, or done before the kill.
  int importsMidway = 0, importsUndone = 0, importsDone = 0;
  int resetsDone = 0, resetsKept = 0, snapshotsTaken = 0, snapshotsKept = 0;

  explicit Club(int count, std::mt19937& rnd) {
    const Date now = SystemClock().Today();
    year = now.year;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", now.year, now.month, now.day);
    today = buf;
    setup = SetupRecord::Created(year);
    players.PlayerCount = count;
    for (int id = 1; id <= count; ++id) {
      PlayerRecord& p = players[id];
      p.SysId = static_cast<int16_t>(id);
      p.Name = TextField::Of("Player " + std::to_string(id));
      p.Info = TextField::Of("");
      p.MbShipNo = id % 3 == 0 ? 100000 + id : NoMembership;
      p.StartRating = static_cast<int16_t>(id % 10 == 0 ? 0 : 1200 + static_cast<int>(rnd() % 1400));
      p.Rating = p.StartRating;
    }
    players.ActiveCount = players.CountActive();
    dir.Write(SetupFile, SetupFileBytes(setup));
    dir.Write(PlayerFile, PlayerFileBytes(players));
    RatingStats stats;
    for (int id = 1; id <= count; ++id) stats.At(id, 1) = players[id].StartRating;
    dir.Write(StatFile, RatingStatsBytes(stats, count));
  }

  std::string RandomId(std::mt19937& rnd) const {
    const int id = 1 + static_cast<int>(rnd() % players.PlayerCount);
    if (rnd() % 20 == 0) return "999999";
    if (players[id].MbShipNo != NoMembership && rnd() % 2) return std::to_string(players[id].MbShipNo);
    return std::to_string(id);
  }

  // A batch of results as an import files them.
  void AddResults(std::mt19937& rnd) {
    const int month = 1 + static_cast<int>(rnd() % static_cast<unsigned>(std::stoi(today.substr(4, 2))));
    std::vector<Transaction> batch;
    for (int i = 0, count = 1 + static_cast<int>(rnd() % 40); i < count; ++i) {
      const int day = 1 + static_cast<int>(rnd() % 28);
      char date[40];
      std::snprintf(date, sizeof date, "%04d%02d%02d", year, month, day);
      batch.push_back({date, RandomId(rnd), RandomId(rnd), rnd() % 4 == 0 ? "X" : " "});
    }
    ASSERT_FALSE(AppendTransactions(dir.Location(), year, month, batch, IdForm::Bare));
    log[month].insert(log[month].end(), batch.begin(), batch.end());
  }

  // Deletes a filed result as the Utilities do; the log loses the first
  // line standing for it (a draw whatever the order of the two ids).
  void DeleteResult(std::mt19937& rnd, const std::string& step) {
    std::vector<int> filled;
    for (int m = 1; m <= 12; ++m)
      if (!log[m].empty()) filled.push_back(m);
    if (filled.empty()) return;
    const int m = filled[rnd() % filled.size()];
    const Transaction chosen = log[m][rnd() % log[m].size()];
    // Now and then one with the ids the other way round.
    const bool swap = rnd() % 4 == 0;
    const Transaction asked{chosen.date, swap ? chosen.secondId : chosen.firstId,
                            swap ? chosen.firstId : chosen.secondId, chosen.code};
    std::vector<std::string> args = {"delete-result", asked.date, asked.firstId, asked.secondId};
    if (asked.IsDraw()) args.push_back("--draw");
    const CliRun run = Cli(dir.path(), args);
    auto& lines = log[m];
    const auto match = std::find_if(lines.begin(), lines.end(), [&](const Transaction& t) {
      if (t.date != asked.date || t.IsDraw() != asked.IsDraw()) return false;
      if (t.firstId == asked.firstId && t.secondId == asked.secondId) return true;
      return asked.IsDraw() && t.firstId == asked.secondId && t.secondId == asked.firstId;
    });
    if (match == lines.end()) {
      ASSERT_EQ(run.status, 2) << step << "\n" << run.out;
      ASSERT_NE(run.out.find("Transaction not found in a month file"), std::string::npos) << run.out;
      return;
    }
    ASSERT_EQ(run.status, 0) << step << "\n" << run.out;
    lines.erase(match);
  }

  std::string RandomDate(std::mt19937& rnd) const {
    const int lastMonth = std::stoi(today.substr(4, 2));
    const int month = 1 + static_cast<int>(rnd() % static_cast<unsigned>(lastMonth));
    const int lastDay = month == lastMonth ? std::stoi(today.substr(6, 2)) : 28;
    char date[40];
    std::snprintf(date, sizeof date, "%04d%02d%02d", year, month, 1 + static_cast<int>(rnd() % lastDay));
    return date;
  }
  int SysIdOf(long long id) const {
    if (id <= players.PlayerCount || id == NoMembership) return static_cast<int>(id);
    for (int s = 1; s <= players.PlayerCount; ++s)
      if (players[s].MbShipNo == id) return s;
    return NoMembership;
  }

  // A user file of valid results, and the lines it files.
  std::vector<Transaction> UserFile(std::mt19937& rnd) {
    std::string bytes;
    std::vector<Transaction> filed;
    for (int i = 0, count = 1 + static_cast<int>(rnd() % 30); i < count; ++i) {
      const int a = 1 + static_cast<int>(rnd() % players.PlayerCount);
      const int b = a % players.PlayerCount + 1;
      auto shown = [&](int id) {
        return players[id].MbShipNo != NoMembership && rnd() % 2 ? std::to_string(players[id].MbShipNo)
                                                                 : std::to_string(id);
      };
      const int result = static_cast<int>(rnd() % 3);
      const std::string date = RandomDate(rnd);
      bytes += date + "," + shown(a) + "," + shown(b) + "," + std::to_string(result) + "\r\n";
      filed.push_back(result == 2 ? Transaction{date, std::to_string(b), std::to_string(a), " "}
                                  : Transaction{date, std::to_string(a), std::to_string(b), result ? " " : "X"});
    }
    dir.Write("soak-import.csv", bytes);
    return filed;
  }
  // The month files take their lines in month order.
  std::vector<std::vector<Transaction>> With(const std::vector<Transaction>& filed) const {
    auto months = log;
    for (int m = 1; m <= 12; ++m)
      for (const auto& t : filed)
        if (std::stoi(t.date.substr(4, 2)) == m) months[m].push_back(t);
    return months;
  }
  bool MonthsHold(const std::vector<std::vector<Transaction>>& months) const {
    for (int m = 1; m <= 12; ++m)
      if (ReadMonthFile(dir.Location(), year, m) != months[m]) return false;
    return true;
  }

  // A user file of valid results through `hrs-cli import`.
  void Import(std::mt19937& rnd) {
    const auto filed = UserFile(rnd);
    const CliRun run = Cli(dir.path(), {"import", (dir.path() / "soak-import.csv").string(), "--erase"});
    ASSERT_EQ(run.status, 0) << run.out;
    log = With(filed);
  }

  // An import killed part-way files all its results or none; the operator,
  // told nothing, imports the file again when none were filed.
  void ImportKilled(std::mt19937& rnd, const std::string& step) {
    const auto filed = UserFile(rnd);
    const std::string file = (dir.path() / "soak-import.csv").string();
    // A run takes about 10 ms: the kills fall before, during and after it.
    Cli(dir.path(), {"import", file}, static_cast<int>(rnd() % 16000));
    if (dir.Exists(".hrs-replacing")) {
      ++importsMidway;
      const CliRun status = Cli(dir.path(), {"status"});
      ASSERT_NE(status.out.find("The last change of the data files was interrupted and will be undone by the next "
                                "command that writes."),
                std::string::npos)
          << step << "\n"
          << status.out;
    }
    static_cast<void>(FinishInterruptedWrites(dir.path()));  // its notice is not under test
    const auto done = With(filed);
    if (MonthsHold(done)) {
      ++importsDone;
    } else {
      ASSERT_TRUE(MonthsHold(log)) << step << ": an import half filed";
      ASSERT_EQ(Cli(dir.path(), {"import", file}).status, 0) << step;
      ++importsUndone;
    }
    log = done;
  }

  // Change ratings to default, killed now and then: all of it or none.
  void ResetRatings(std::mt19937& rnd, bool kill, const std::string& step) {
    const auto where = dir.Location();
    const std::string playersBefore = dir.Read(PlayerFile);
    const CliRun run = Cli(dir.path(), {"reset-ratings", "--yes"}, kill ? static_cast<int>(rnd() % 50000) : -1);
    if (!kill) {
      ASSERT_EQ(run.status, 0) << step << "\n" << run.out;
    }
    static_cast<void>(FinishInterruptedWrites(dir.path()));  // its notice is not under test
    PlayerTable onFile;
    ASSERT_EQ(ParsePlayerFile(dir.Read(PlayerFile), onFile), PlayerParse::Ok) << step;
    bool done = ReadRegistry(where, year).empty();
    for (int id = 1; id <= onFile.PlayerCount; ++id)
      done = done && onFile[id].StartRating == setup.FirstRating && onFile[id].Rating == setup.FirstRating;
    for (int m = 1; m <= 12; ++m) done = done && !FileExists(where.DataPath(MonthFileName(year, m)));
    if (!done) {
      ASSERT_EQ(dir.Read(PlayerFile), playersBefore) << step << ": ratings reset in part";
      ++resetsKept;
      return;
    }
    ++resetsDone;
    for (auto& month : log) month.clear();
    for (auto& month : tournaments) month.clear();
    for (int id = 1; id <= players.PlayerCount; ++id)
      players[id].StartRating = players[id].Rating = players[id].PrevRating = static_cast<int16_t>(setup.FirstRating);
    // The operator moves the kept files away, so that the next change to
    // default has its names free.
    for (const auto& name : dir.Files())
      if (name.size() > 4 && name.substr(name.size() - 4) == ".old") std::filesystem::remove(dir.path() / name);
  }

  // The dynamic ranking's snapshot, killed part-way: orank.hrs and the
  // previous ratings in the player file describe the same moment.
  void SnapshotKilled(std::mt19937& rnd, const std::string& step) {
    const std::string rankBefore = dir.Read(RankFile), playersBefore = dir.Read(PlayerFile);
    Cli(dir.path(), {"print", "ranking", "--update"}, static_cast<int>(rnd() % 30000));
    static_cast<void>(FinishInterruptedWrites(dir.path()));  // its notice is not under test
    if (dir.Read(RankFile) == rankBefore) {
      ASSERT_EQ(dir.Read(PlayerFile), playersBefore) << step << ": previous ratings without their ranking";
      ++snapshotsKept;
      return;
    }
    ++snapshotsTaken;
    PlayerTable onFile;
    ASSERT_EQ(ParsePlayerFile(dir.Read(PlayerFile), onFile), PlayerParse::Ok) << step;
    const auto ranking = ParsePrevRanking(dir.Read(RankFile), onFile.PlayerCount);
    ASSERT_TRUE(ranking) << step;
    for (int id : ranking->sysIds)
      ASSERT_EQ(onFile[id].PrevRating, onFile[id].Rating) << step << ": a ranking without its previous ratings";
  }

  // A companion result file through `hrs-cli add-tournament`.
  void AddTournament(std::mt19937& rnd, int op) {
    char name[32];
    std::snprintf(name, sizeof name, "RQTPS%03d.DAT", op % 1000);
    const std::string date = RandomDate(rnd);
    std::string bytes = "\"" + date + "\"\r\n";
    std::vector<Transaction> kept;
    for (int i = 0, count = 1 + static_cast<int>(rnd() % 30); i < count; ++i) {
      const std::string a = rnd() % 10 == 0 ? "555555" : RandomId(rnd), b = RandomId(rnd);
      const std::string code = rnd() % 4 == 0 ? "X" : " ";
      bytes += a + "," + b + "," + std::to_string(i + 1) + "," + std::to_string(i + 2) + ",\"" + code + "\"\r\n";
      const int c1 = SysIdOf(std::stoll(a)), c2 = SysIdOf(std::stoll(b));
      if (c1 == c2) continue;  // both unknown, or one player twice
      kept.push_back({date, std::to_string(c1), std::to_string(c2), code});
    }
    dir.Write(name, bytes);
    const CliRun run = Cli(dir.path(), {"add-tournament", name, "--recognized-only"});
    ASSERT_EQ(run.status, 0) << run.out;
    auto& month = tournaments[static_cast<size_t>(std::stoi(date.substr(4, 2)))];
    month.insert(month.end(), kept.begin(), kept.end());
  }

  std::vector<std::vector<Transaction>> AllResults() const {
    auto all = log;
    for (int m = 1; m <= 12; ++m) all[m].insert(all[m].end(), tournaments[m].begin(), tournaments[m].end());
    return all;
  }

  // What must hold after every step, killed or not.
  void Check(const std::string& step, bool completed) {
    const auto where = dir.Location();
    ASSERT_TRUE(ParseSetupFile(ReadWholeFile(where.DataPath(SetupFile)).value_or(""))) << step;
    PlayerTable onFile;
    ASSERT_EQ(ParsePlayerFile(ReadWholeFile(where.DataPath(PlayerFile)).value_or(""), onFile), PlayerParse::Ok) << step;
    ASSERT_EQ(onFile.PlayerCount, players.PlayerCount) << step;
    ASSERT_EQ(onFile.CountActive(), players.ActiveCount) << step;
    RatingStats stats;
    ASSERT_TRUE(ParseRatingStats(ReadWholeFile(where.DataPath(StatFile)).value_or(""), onFile.PlayerCount, stats))
        << step;
    for (int m = 1; m <= 12; ++m) ASSERT_EQ(ReadMonthFile(where, year, m), log[m]) << step << ", month " << m;
    // The two files of a calculation always come from the same run.
    bool calculated = false;
    for (int id = 1; id <= onFile.PlayerCount; ++id) {
      calculated = calculated || stats.At(id, 13) != 0;
      if (stats.At(id, 13) != 0) {
        ASSERT_EQ(stats.At(id, 13), onFile[id].Rating) << step << ", player " << id;
      }
    }
    if (!completed || !calculated) return;
    const auto plain = Recalculate(setup, players, AllResults(), today);
    for (int id = 1; id <= onFile.PlayerCount; ++id) {
      ASSERT_EQ(onFile[id].Rating, plain.end[id]) << step << ", player " << id;
      for (int m = 1; m <= 12; ++m) ASSERT_EQ(stats.At(id, m + 1), plain.monthEnds[id][m]) << step << ", month " << m;
    }
    for (const auto& name : dir.Files()) ASSERT_NE(name[0], '.') << step << ": left behind " << name;
    ASSERT_FALSE(dir.Exists(TransactionScratchFile)) << step;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir.path() / "backup", ec))
      ASSERT_NE(e.path().filename().string()[0], '.') << step << ": an unfinished backup " << e.path();
  }
};

TEST(Soak, RandomOperationsThroughTheCommandLineKeepTheClubWhole) {
  const char* env = std::getenv("HRS_SOAK_OPS");
  const int operations = env ? std::atoi(env) : 300;
  std::mt19937 rnd(20261209);
  Club club(300, rnd);
  int killed = 0, completedLater = 0;
  for (int op = 0; op < operations; ++op) {
    const std::string step = "operation " + std::to_string(op);
    switch (rnd() % 13) {
      case 0:
      case 1:
      case 2:
        club.AddResults(rnd);
        club.Check(step + " (results)", false);
        break;
      case 3: {
        const CliRun run = Cli(club.dir.path(), {"calculate"});
        ASSERT_EQ(run.status, 0) << step << "\n" << run.out;
        club.Check(step + " (calculate)", true);
        break;
      }
      case 4: {
        Cli(club.dir.path(), {"calculate"}, static_cast<int>(rnd() % 4000));
        ++killed;
        // What the next start does first: a replacement cut short is completed.
        if (club.dir.Exists(".hrs-replacing")) {
          ++completedLater;
          static_cast<void>(FinishInterruptedWrites(club.dir.path()));  // its notice is not under test
        }
        club.Check(step + " (calculate killed)", false);
        break;
      }
      case 6:
        club.Import(rnd);
        club.Check(step + " (import)", false);
        break;
      case 7:
        club.AddTournament(rnd, op);
        club.Check(step + " (add-tournament)", false);
        break;
      case 5: {
        const CliRun run = Cli(club.dir.path(), {"status"});
        ASSERT_EQ(run.status, 0) << step << "\n" << run.out;
        const size_t at = run.out.find("Active");
        ASSERT_NE(at, std::string::npos) << run.out;
        ASSERT_EQ(std::atoi(run.out.c_str() + at + 6), club.players.ActiveCount) << run.out;
        break;
      }
      case 8:
        club.DeleteResult(rnd, step + " (delete result)");
        club.Check(step + " (delete result)", false);
        break;
      case 10:
        club.ImportKilled(rnd, step + " (import killed)");
        club.Check(step + " (import killed)", false);
        break;
      case 11:
        if (rnd() % 4 != 0) break;  // seldom: it empties the year
        club.ResetRatings(rnd, rnd() % 2 == 0, step + " (reset-ratings)");
        club.Check(step + " (reset-ratings)", false);
        break;
      case 12:
        club.SnapshotKilled(rnd, step + " (print ranking --update killed)");
        club.Check(step + " (print ranking --update killed)", false);
        break;
      case 9: {
        // The rating year is the calendar year: the conversion is refused and changes nothing.
        const CliRun run = Cli(club.dir.path(), {"new-year", rnd() % 2 ? "--carry" : "--no-carry"});
        ASSERT_EQ(run.status, 2) << step << "\n" << run.out;
        ASSERT_NE(run.out.find("Maybe your System Clock is not running correctly."), std::string::npos) << run.out;
        club.Check(step + " (new year refused)", false);
        break;
      }
    }
    if (HasFatalFailure()) return;
  }
  // The last word: a calculation that runs to its end agrees with the plain one.
  ASSERT_EQ(Cli(club.dir.path(), {"calculate"}).status, 0);
  club.Check("final calculation", true);
  std::printf("soak: %d operations, %d calculations killed, %d of them completed at the next start\n",
              operations + 1, killed, completedLater);
  std::printf(
      "soak: killed imports %d undone (%d of them part-way) and filed again, %d done; "
      "changes to default %d done, %d not; killed snapshots %d taken, %d not\n",
      club.importsUndone, club.importsMidway, club.importsDone, club.resetsDone, club.resetsKept, club.snapshotsTaken,
      club.snapshotsKept);
}

}  // namespace
}  // namespace hrs
