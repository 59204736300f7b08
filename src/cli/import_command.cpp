#include <filesystem>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "core/control/user_file_import.h"
#include "core/data/file_io.h"
#include "core/platform/date_time.h"

namespace hrs::cli {

namespace {

int RunImport(CliContext& ctx) {
  if (ctx.args.Positionals().size() != 1) return UsageError(ctx, "give one user file (see hrs-cli import --help)");
  const std::string& file = ctx.args.Positionals()[0];
  DataLock lock;
  if (!LockForWriting(ctx, lock)) return ExitDataProblem;
  Database db;
  if (!LoadForCommand(ctx, db, EmptyClub::Fine)) return ExitDataProblem;

  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    ctx.err << "Error opening file " << file << "\n";
    return ExitDataProblem;
  }
  const auto bytes = ReadWholeFile(file);
  if (!bytes) {
    ctx.err << CantRead2 << "\n";
    return ExitDataProblem;
  }
  const UserRecordChecker checker(db, Yyyymmdd(ctx.clock.Today()));
  std::vector<std::string> lines;
  size_t errors = 0;
  ctx.out << ReviewHeader << "\n";
  const UserFileRecords read = ReadUserFile(*bytes);
  for (const auto& record : read.records) {
    lines.push_back(checker.ReviewLine(record));
    if (IsErrorLine(lines.back())) ++errors;
    ctx.out << lines.back() << "\n";
  }
  const std::string unread = UnreadRecordsLine(read);
  if (!unread.empty()) ctx.out << unread << "\n";
  if (errors > 0) {
    ctx.err << errors << " errors detected. Nothing was written; correct the file and import it again.\n";
    return ExitInputErrors;
  }
  if (const auto error = WriteUserLines(db, lines)) {
    ctx.err << ConsoleText(ImportNotWrittenMessage(*error)) << "\n";
    return ExitDataProblem;
  }
  ctx.out << ConsoleText(WithUnreadLine(MatchResultsAdded, unread)) << "\n";
  if (ctx.args.Has("--erase")) {
    if (std::filesystem::remove(file, ec)) ctx.out << ErasedMessage(file) << "\n";
    else ctx.err << "The file " << file << " could not be erased.\n";
  } else {
    ctx.out << ConsoleText(UntouchedMessage(file)) << "\n";
  }
  return ExitOk;
}

}  // namespace

Command ImportCommand() {
  return {"import",
          "import a user file of results, as Add User File",
          "Usage: hrs-cli [--data DIR] import FILE [--erase]\n\n"
          "Validates a comma-delimited user file (YYYYMMDD, player 1, player 2,\n"
          "result: 1 player 1 won, 2 player 2 won, 0 draw; players by Sys Id or\n"
          "membership number) as the Control Centre's Add User File does and\n"
          "prints its review lines (\"? \" marks the wrong fields, \" Error\" ends\n"
          "a line with any). With no error line every record is appended to the\n"
          "month file of its date, the winner first.\n\n"
          "  --erase   delete FILE once its results are in the month files\n\n"
          "The results go into the month files all together or not at all: a run\n"
          "that fails or is killed part-way files none of them (the next command\n"
          "that writes undoes a killed one), so the file can simply be imported again.\n\n"
          "Exit status: 0 added; 1 wrong arguments; 2 the file or a month file could\n"
          "not be read or written (nothing written); 4 the file has error lines\n"
          "(nothing written). Importing a file twice files its results twice.\n",
          {{{"--erase"}}, AnyNumber},
          RunImport};
}

}  // namespace hrs::cli
