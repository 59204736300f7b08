#include <algorithm>
#include <iterator>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/lists/list_export.h"
#include "core/lists/master_lists.h"
#include "core/lists/ranking_list.h"
#include "core/lists/rating_history.h"

namespace hrs::cli {

namespace {

void PrintList(CliContext& ctx, const ListViewContent& content) {
  ctx.out << content.header << "\n";
  for (const auto& line : content.lines) ctx.out << line << "\n";
}

void PrintGrid(CliContext& ctx, const HistoryGrid& grid) {
  for (const auto& row : grid.rows) {
    for (size_t c = 0; c < row.size(); ++c) ctx.out << (c > 0 ? "\t" : "") << row[c];
    ctx.out << "\n";
  }
}

enum class Output { Screen, Csv, Html };

void PrintTable(CliContext& ctx, Output output, const ExportTable& table, const Database& db) {
  ctx.out << (output == Output::Csv ? ExportCsv(table) : ExportHtml(table, db.setup.ListName.str(), ctx.clock.Today()));
}

int RunShow(CliContext& ctx) {
  if (ctx.args.Has("--csv") && ctx.args.Has("--html")) return UsageError(ctx, "--csv and --html exclude each other");
  const Output output = ctx.args.Has("--csv") ? Output::Csv : ctx.args.Has("--html") ? Output::Html : Output::Screen;
  if (ctx.args.Positionals().empty()) return UsageError(ctx, "which list? (hrs-cli show --help)");
  const std::string& which = ctx.args.Positionals()[0];
  static const char* const known[] = {"ranking",    "master-id",    "master-mbship",
                                      "master-name", "history-id", "history-name"};
  if (std::find(std::begin(known), std::end(known), which) == std::end(known)) return UnexpectedArgument(ctx, which);

  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;
  ConsoleDialogs dialogs(ctx.err);
  if (which == "history-id" || which == "history-name") {
    const auto grid =
        ShowHistory(which == "history-id" ? HistoryOrder::BySysId : HistoryOrder::ByName, db, dialogs, ctx.clock);
    if (grid && output == Output::Screen) PrintGrid(ctx, *grid);
    else if (grid) PrintTable(ctx, output, GridExportTable(*grid), db);
    return ExitOk;
  }
  std::optional<ListViewContent> content;
  if (which == "ranking") content = ShowRankingList(db, dialogs);
  else if (which == "master-id") content = ShowMasterList(MasterOrder::BySysId, db, dialogs);
  else if (which == "master-mbship") content = ShowMasterList(MasterOrder::ByMbShip, db, dialogs);
  else content = ShowMasterList(MasterOrder::ByName, db, dialogs);
  if (content && output == Output::Screen) PrintList(ctx, *content);
  else if (content) PrintTable(ctx, output, ListExportTable(*content), db);
  return ExitOk;
}

}  // namespace

Command ShowCommand() {
  return {"show",
          "print a list of the View menu as the screen shows it",
          "Usage: hrs-cli [--data DIR] show LIST [--csv | --html]\n\n"
          "Prints a list of the View menu as its window shows it, the header first:\n"
          "  ranking        the ranking list (with rank movements since the latest\n"
          "                 snapshot in orank.hrs, when there is one)\n"
          "  master-id      the master list by Sys Id\n"
          "  master-mbship  the master list by membership number\n"
          "  master-name    the master list by name\n"
          "  history-id     the rating history grid by Sys Id, cells separated by a TAB\n"
          "  history-name   the rating history grid by name\n"
          "--csv prints the list as CSV for a spreadsheet (the headings, then one row\n"
          "a line, UTF-8), --html as a web page with the rating list's name and the date.\n"
          "Nothing is written.\n",
          {{{"--csv"}, {"--html"}}, 1},
          RunShow};
}

}  // namespace hrs::cli
