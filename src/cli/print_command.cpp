#include <algorithm>
#include <iterator>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/data/prev_ranking_file.h"
#include "core/lists/master_lists.h"
#include "core/lists/printer_setup.h"
#include "core/lists/ranking_list.h"
#include "core/rating/calc_ranking.h"
#include "core/lists/rating_history.h"
#include "core/platform/question_names.h"
#include "core/platform/recorded_print_job.h"
#include "core/text/numeric.h"

namespace hrs::cli {

namespace {

struct PrintFlags {
  std::string list;
  std::optional<std::string> month;
  bool movements = false;
  bool update = false;
  bool landscape = false;
};

// The printouts' questions answered by the flags, and the month by --month
// once; a month prompt that no flag answers is noted.
class PrintDialogs : public ConsoleDialogs {
 public:
  PrintDialogs(std::ostream& err, const PrintFlags& flags)
      : ConsoleDialogs(err, {{question::SnapshotUpdate, flags.update, true},
                             {question::MovementColumns, flags.movements, true},
                             {question::LandscapeNotice, true, true}}),
        flags_(flags) {}

  std::optional<std::string> Input(const std::string& prompt, const std::string& title, const std::string& text,
                                   QuestionName name) override {
    if (name != question::RankingMonth) return ConsoleDialogs::Input(prompt, title, text, name);
    if (flags_.month && !monthGiven_) {
      monthGiven_ = true;
      return flags_.month;
    }
    unanswered_ = prompt;
    return std::nullopt;
  }
  std::optional<FontChoice> ChooseFixedFont(const FontChoice& current) override { return current; }
  bool ChoosePrinter() override { return true; }
  bool ChoosePageSetup() override { return true; }

  const std::string& Unanswered() const { return unanswered_; }

 private:
  const PrintFlags& flags_;
  bool monthGiven_ = false;
  std::string unanswered_;
};

int RunPrint(CliContext& ctx) {
  PrintFlags flags;
  flags.month = ctx.args.Value("--month");
  flags.update = ctx.args.Has("--update");
  flags.movements = flags.update || ctx.args.Has("--movements");
  flags.landscape = ctx.args.Has("--landscape");
  if (!ctx.args.Positionals().empty()) flags.list = ctx.args.Positionals()[0];
  static const char* const known[] = {"ranking",       "ranking-month", "master-id",   "master-mbship",
                                      "master-name",   "history-id",    "history-name"};
  if (flags.list.empty()) return UsageError(ctx, "which printout? (hrs-cli print --help)");
  if (std::find(std::begin(known), std::end(known), flags.list) == std::end(known))
    return UnexpectedArgument(ctx, flags.list);
  const bool ranking = flags.list == "ranking";
  const bool history = flags.list.rfind("history", 0) == 0;
  if ((flags.movements && !ranking) || (flags.month && flags.list != "ranking-month") ||
      (flags.landscape && !history)) {
    return UsageError(ctx, std::string(flags.movements ? "--movements and --update are"
                                       : flags.month   ? "--month is"
                                                       : "--landscape is") +
                               " not an option of " + flags.list);
  }

  // A command that writes takes the lock before it reads: taking it may
  // finish an interrupted change, and the files read must be those.
  DataLock lock;
  if (ranking && flags.update && !LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;
  if (db.players.PlayerCount == 0) {
    ctx.err << (ranking ? NoPlayersEnrolled : NoPlayersInDatabase) << "\n";
    return ExitOk;
  }
  // A snapshot is taken on --update, and always where there is none yet.
  const bool snapshot = ranking && (flags.update || !ReadPrevRanking(db.location, db.players.PlayerCount));
  if (snapshot && !flags.update) {
    if (!LockForWriting(ctx, lock)) return ExitDataProblem;
    db = Database{};
    if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;
  }

  PrintDialogs dialogs(ctx.err, flags);
  RecordedPrintJob job;
  job.SetOrientation(flags.landscape ? Orientation::Landscape : Orientation::Portrait);
  bool printed = false;
  bool writeFailed = false;
  if (ranking) {
    const PrintOutcome outcome = PrintRankingDynamic(db, dialogs, job, ctx.clock);
    printed = outcome.printed;
    writeFailed = printed && snapshot && !outcome.snapshotTaken;
  } else if (flags.list == "ranking-month") {
    printed = PrintRankingByMonth(db, dialogs, job, ctx.clock);
  } else if (history) {
    printed = PrintHistory(flags.list == "history-id" ? HistoryOrder::BySysId : HistoryOrder::ByName, db, dialogs,
                           job, ctx.clock);
  } else {
    const MasterOrder order = flags.list == "master-id"       ? MasterOrder::BySysId
                              : flags.list == "master-mbship" ? MasterOrder::ByMbShip
                                                              : MasterOrder::ByName;
    printed = PrintMasterList(order, db, dialogs, job, ctx.clock);
  }
  if (!dialogs.Unanswered().empty()) {
    ctx.err << ConsoleText(dialogs.Unanswered()) << "\n"
            << (flags.month ? "hrs-cli print: --month must be a month from 1 to the current month\n"
                            : "hrs-cli print: --month answers this\n");
    return flags.month ? ExitDataProblem : ExitStopped;
  }
  if (!printed) return ExitDataProblem;
  ctx.out << job.Text();
  return writeFailed ? ExitDataProblem : ExitOk;
}

}  // namespace

Command PrintCommand() {
  return {"print",
          "print a printout of the Print menu as plain text pages",
          "Usage: hrs-cli [--data DIR] print LIST [--month M] [--movements] [--update] [--landscape]\n\n"
          "Prints the pages of a printout of the Print menu as plain text, a line\n"
          "holding only a form feed between two pages:\n"
          "  ranking        the dynamic ranking list; --movements adds the rating and\n"
          "                 rank movements since the latest snapshot; --update takes\n"
          "                 a new snapshot (orank.hrs and every printed player's\n"
          "                 previous rating) and implies --movements. Without a\n"
          "                 snapshot file one is made, as the desktop program does.\n"
          "  ranking-month  the ranking list of month M (--month M, 1 to the current\n"
          "                 month) from the rating statistics\n"
          "  master-id      the master list by Sys Id\n"
          "  master-mbship  the master list by membership number\n"
          "  master-name    the master list by name\n"
          "  history-id     the rating history by Sys Id (--landscape: the landscape\n"
          "                 page, 38 players a page, all twelve month headings)\n"
          "  history-name   the rating history by name\n"
          "Only the ranking list writes (orank.hrs and player.hrs), and only then\n"
          "takes the data lock.\n",
          {{{"--month", "needs a month (1 to 12)"}, {"--movements"}, {"--update"}, {"--landscape"}}, 1},
          RunPrint};
}

}  // namespace hrs::cli
