#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "cli/console_dialogs.h"
#include "core/platform/question_names.h"
#include "support/fixed_clock.h"

namespace hrs::cli {
namespace {

// A command that meets the deleted player's question worded as always but
// without its name, as a question asked anew somewhere would come.
TEST(RunCommand, AQuestionNoFlagNamesStopsTheCommandWithExitThree) {
  bool wrote = false;
  const Command asking{"ask", "", "the help\n", {{{"--deleted-ok"}}}, [&](CliContext& ctx) {
                         ConsoleDialogs dialogs(ctx.err, {{question::DeletedPlayer, ctx.args.Has("--deleted-ok")}});
                         dialogs.Message("Player 3 is deleted\rIs the result valid?", Buttons::OkCancel,
                                         Icon::Question);
                         wrote = true;
                         return ExitOk;
                       }};
  test::FixedClock clock;
  std::ostringstream out, err;
  EXPECT_EQ(RunCommand(asking, {"--deleted-ok"}, {}, out, err, clock), ExitStopped);
  EXPECT_EQ(err.str(),
            "Player 3 is deleted\nIs the result valid?\nhrs-cli ask: stopped at a question that no flag answers\n");
  EXPECT_FALSE(wrote);

  EXPECT_EQ(RunCommand(asking, {"--deleted", "-h"}, {}, out, err, clock), ExitOk);
  EXPECT_EQ(out.str(), "the help\n");
  EXPECT_EQ(RunCommand(asking, {"--deleted"}, {}, out, err, clock), ExitUsage);
  EXPECT_FALSE(wrote);
}

}  // namespace
}  // namespace hrs::cli
