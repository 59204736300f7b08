#include "cli/commands.h"
#include "cli/command_support.h"
#include "core/rating/calc_ranking.h"

namespace hrs::cli {

namespace {

int RunRanking(CliContext& ctx) {
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;
  if (db.players.PlayerCount == 0) {
    ctx.err << NoPlayersEnrolled << "\n";
    return ExitOk;
  }
  ctx.out << CalcRankingHeader() << "\n";
  for (const auto& line : CalcRankingLines(db.players)) ctx.out << line << "\n";
  return ExitOk;
}

}  // namespace

Command RankingCommand() {
  return {"ranking",
          "print the ranking list of the Calculate Ratings window",
          "Usage: hrs-cli [--data DIR] ranking\n\n"
          "Prints the column header and the ranking list that the Calculate Ratings\n"
          "window shows: the active players with a rating, highest first, each\n"
          "with rank, rating, name and Sys Id. Nothing is written.\n",
          {},
          RunRanking};
}

}  // namespace hrs::cli
