#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/utilities/rating_adjustments.h"

namespace hrs::cli {

namespace {

int RunResults(CliContext& ctx) {
  if (ctx.args.Positionals().empty())
    return UsageError(ctx, "give the player's Sys Id or membership number (see hrs-cli results --help)");
  const std::string& typed = ctx.args.Positionals()[0];
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;
  const PlayerForResults player = FindPlayerForResults(db.players, typed);
  if (player.result == PlayerLookup::NotNumeric) {
    ctx.err << "hrs-cli results: \"" << typed << "\" is no Sys Id or membership number\n";
    return ExitDataProblem;
  }
  if (player.result == PlayerLookup::NotFound) {
    ctx.err << "Player not found\n";
    return ExitDataProblem;
  }
  ctx.out << "Rating adjustments for: " << player.sysId << " " << db.players[player.sysId].Name.str() << "\n";
  const auto lines = CollectAdjustments(db, player.sysId);
  if (lines.empty()) ctx.out << NoResultsFound << "\n";
  for (const auto& line : lines) ctx.out << line.line << "\n";
  return ExitOk;
}

}  // namespace

Command ResultsCommand() {
  return {"results",
          "list a player's rating-adjusting results of the year, as the Utilities do",
          "Usage: hrs-cli [--data DIR] results PLAYER\n\n"
          "Lists the results of the rating year that adjust the player's rating, as\n"
          "the Utilities' Rating Adjustments: those of the registered tournament\n"
          "files, then those of the month files, filed under his Sys Id or his\n"
          "membership number. Each line: date, opponent id, WON / LOST / DRAW, the\n"
          "opponent's name (\"Player not in base\" when unknown), own id as filed.\n\n"
          "  PLAYER   1 to the highest Sys Id: a Sys Id; a larger number: a\n"
          "           membership number (the lowest Sys Id holding it)\n\n"
          "Exit status: 0 done; 1 wrong arguments; 2 no such player, or a missing or\n"
          "damaged file.\n",
          {{}, 1},
          RunResults};
}

}  // namespace hrs::cli
