#include <gtest/gtest.h>

#include <sstream>

#include "cli/console_dialogs.h"
#include "core/platform/question_names.h"

namespace hrs::cli {
namespace {

TEST(ConsoleDialogs, AnswersQuestionsByNameNeverByWording) {
  std::ostringstream err;
  ConsoleDialogs dialogs(
      err, {{question::DeletedPlayer, true}, {question::CarryTotals, false}, {question::NoPlayers, true, true}});
  EXPECT_EQ(dialogs.Message("Gone", Buttons::OkCancel, Icon::Question, {}, question::DeletedPlayer), Answer::Ok);
  EXPECT_EQ(dialogs.Message("Carry?", Buttons::YesNo, Icon::Question, "Carry", question::CarryTotals), Answer::No);
  EXPECT_EQ(dialogs.Message("Empty", Buttons::OkCancel, Icon::Question, {}, question::NoPlayers), Answer::Ok);
  EXPECT_EQ(dialogs.Message("A\rB"), Answer::Ok);
  EXPECT_EQ(err.str(), "Gone\n(answered OK)\nCarry: Carry?\n(answered No)\nA\nB\n");
  EXPECT_TRUE(dialogs.Declined(question::CarryTotals));
  EXPECT_FALSE(dialogs.Declined(question::DeletedPlayer));

  // The same wording without its name, or a name the command does not
  // answer, stops the command; so does any input box.
  EXPECT_THROW(dialogs.Message("Gone", Buttons::OkCancel, Icon::Question), UnansweredQuestion);
  EXPECT_THROW(dialogs.Message("Gone", Buttons::OkCancel, Icon::Question, {}, question::NewYear), UnansweredQuestion);
  EXPECT_THROW(dialogs.Input("Month?", "", "", question::RankingMonth), UnansweredQuestion);
}

}  // namespace
}  // namespace hrs::cli
