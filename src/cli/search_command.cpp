#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/utilities/player_search.h"

namespace hrs::cli {

namespace {

int RunSearch(CliContext& ctx) {
  const auto& text = ctx.args.Positionals();
  if (text.empty() || text[0].empty())
    return UsageError(ctx, "give the text to search for (see hrs-cli search --help)");
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;
  const auto hits = SearchPlayers(db.players, text[0]);
  if (hits.empty()) ctx.out << NoHits << "\n";
  for (const auto& hit : hits) ctx.out << hit.line << "\n";
  return ExitOk;
}

}  // namespace

Command SearchCommand() {
  return {"search",
          "find players by part of the name or membership number, as the Utilities do",
          "Usage: hrs-cli [--data DIR] search TEXT\n\n"
          "Lists every player, whatever his status, whose name contains TEXT (capitals\n"
          "and small letters alike) or whose membership number contains it, as the\n"
          "Utilities' Search Player: Sys Id, name, current rating, membership number.\n"
          "Prints \"No hits\" when there is none.\n\n"
          "Exit status: 0 done; 1 wrong arguments; 2 a missing or damaged file.\n",
          {{}, 1},
          RunSearch};
}

}  // namespace hrs::cli
