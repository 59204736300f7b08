#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/utilities/player_search.h"

namespace hrs::cli {

namespace {

constexpr const char* Name = "search";

int RunSearch(CliContext& ctx) {
  if (ctx.args.size() != 1 || ctx.args[0].empty()) {
    if (ctx.args.size() > 1) return UnexpectedArgument(ctx, Name, ctx.args[1]);
    ctx.err << "hrs-cli search: give the text to search for (see hrs-cli search --help)\n";
    return ExitUsage;
  }
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClubIsFine)) return ExitDataProblem;
  const auto hits = SearchPlayers(db.players, ctx.args[0]);
  if (hits.empty()) ctx.out << NoHits << "\n";
  for (const auto& hit : hits) ctx.out << hit.line << "\n";
  return ExitOk;
}

}  // namespace

Command SearchCommand() {
  return {Name, "find players by part of the name or membership number, as the Utilities do",
          "Usage: hrs-cli [--data DIR] search TEXT\n\n"
          "Lists every player, whatever his status, whose name contains TEXT (capitals\n"
          "and small letters alike) or whose membership number contains it, as the\n"
          "Utilities' Search Player: Sys Id, name, current rating, membership number.\n"
          "Prints \"No hits\" when there is none.\n\n"
          "Exit status: 0 done; 1 wrong arguments; 2 a missing or damaged file.\n",
          RunSearch};
}

}  // namespace hrs::cli
