#include <gtest/gtest.h>

#include <sstream>

#include "cli/arguments.h"

namespace hrs::cli {
namespace {

TEST(ParseArguments, FlagsValuesPositionalsAndWhatDoesNotFit) {
  const ArgumentSpec rules{{{"--date", "needs a date YYYYMMDD"}, {"--draw"}}, 2};
  struct Case {
    std::vector<std::string> args;
    std::string err;  // empty: parsed
    std::vector<std::string> positionals = {};
    std::optional<std::string> date = {};
    bool draw = false;
  };
  const Case cases[] = {
      {{"1", "--draw", "2"}, "", {"1", "2"}, {}, true},
      // An option takes the next word as it stands; the last one given counts.
      {{"--date", "20260101", "-5", "--date", "--draw"}, "", {"-5"}, "--draw", false},
      {{"1", "2", "3"}, "hrs-cli add-result: unexpected argument \"3\"\n"},
      {{"--dry"}, "hrs-cli add-result: unexpected argument \"--dry\"\n"},
      {{"1", "--date"}, "hrs-cli add-result: --date needs a date YYYYMMDD\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream err;
    const auto parsed = ParseArguments("add-result", rules, c.args, err);
    SCOPED_TRACE(c.args.back());
    EXPECT_EQ(err.str(), c.err);
    ASSERT_EQ(parsed.has_value(), c.err.empty());
    if (!parsed) continue;
    EXPECT_EQ(parsed->Positionals(), c.positionals);
    EXPECT_EQ(parsed->Value("--date"), c.date);
    EXPECT_EQ(parsed->Has("--draw"), c.draw);
  }
  EXPECT_TRUE(AsksForHelp({"1", "-h"}));
  EXPECT_TRUE(AsksForHelp({"--date", "--help"}));
  EXPECT_FALSE(AsksForHelp({"--helps"}));
}

}  // namespace
}  // namespace hrs::cli
