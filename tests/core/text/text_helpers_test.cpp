#include <gtest/gtest.h>

#include "core/text/align.h"
#include "core/text/characters.h"
#include "core/text/numeric.h"
#include "core/text/rounding.h"
#include "core/text/sorted_list.h"

namespace hrs {
namespace {

TEST(Numeric, SignAndDigitsTrimmedAndAPointOnlyWhereAllowed) {
  EXPECT_TRUE(IsNumeric(" 12 "));
  EXPECT_TRUE(IsNumeric("-5"));
  EXPECT_TRUE(IsNumeric("+7"));
  EXPECT_FALSE(IsNumeric(""));
  EXPECT_FALSE(IsNumeric("-"));
  EXPECT_FALSE(IsNumeric("1 2"));
  EXPECT_FALSE(IsNumeric("12a"));
  EXPECT_FALSE(IsNumeric("1.5"));
  EXPECT_TRUE(IsNumeric("1.5", true));
  EXPECT_FALSE(IsNumeric("1.5.1", true));
  EXPECT_EQ(NumericValue(" -12 "), -12);
  EXPECT_EQ(NumericValue("x"), std::nullopt);
  EXPECT_EQ(LeadingNumber("12abc"), 12);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("abc"), 0);
}

TEST(FoldCase, AccentedLettersMeetTheirOtherCaseAndKeepTheirBytes) {
  const struct {
    const char *text, *folded;
  } cases[] = {
      {"ÅSE BJØRNSTAD-LØVÅS", "åse bjørnstad-løvås"},
      {"ŁUKASZ WRÓBEL", "łukasz wróbel"},
      {"ŽŸĲŇŊ", "žÿĳňŋ"},
      {"× ß ſ İ ı ĸ", "× ß ſ İ ı ĸ"},  // no other case of the same length
      {"a\xC3 \xC3", "a\xC3 \xC3"},    // a lead byte without its second byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FoldCase(c.text), c.folded) << c.text;
    EXPECT_EQ(FoldCase(c.text).size(), std::string(c.text).size()) << c.text;
  }
  EXPECT_TRUE(StartsWithNoCase("Søren Ærø", "SØR"));
  EXPECT_FALSE(StartsWithNoCase("Sø", "SØREN"));
  EXPECT_TRUE(ContainsNoCase("Åse Bjørnstad-Løvås", "LØVÅS"));
  EXPECT_FALSE(ContainsNoCase("Anders Berg", "ø"));
}

TEST(Align, ColumnsKeepWideValuesWhole) {
  EXPECT_EQ(RightAlign(42, 5), "   42");
  EXPECT_EQ(RightAlign(-7, 3), " -7");
  EXPECT_EQ(RightAlign(123456, 4), "123456");
  EXPECT_EQ(LeftPad("Ann", 6), "Ann   ");
  EXPECT_EQ(LeftPad("Annabelle", 4), "Annabelle");
  EXPECT_EQ(TwoDigits(3), "03");
  EXPECT_EQ(TwoDigits(12), "12");
  EXPECT_EQ(LastChars("/a/very/long/path", 5), "/path");
  EXPECT_EQ(LastChars("short", 45), "short");
  EXPECT_EQ(Centred("ab", 6), "  ab");
}

TEST(Rounding, StoredRatingsToEvenQueryHalvesUp) {
  EXPECT_EQ(RoundHalfEven(1712.5), 1712);
  EXPECT_EQ(RoundHalfEven(1713.5), 1714);
  EXPECT_EQ(RoundHalfEven(1712.49), 1712);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfUp(2.5), 3);
  EXPECT_EQ(RoundHalfUp(-2.5), -2);
  EXPECT_EQ(RoundHalfUp(-2.51), -3);
}

TEST(SortedList, CaseInsensitiveAscendingAndStableForEqualLines) {
  SortedList l;
  l.Add("b", 1);
  l.Add("A", 2);
  l.Add("a", 3);
  l.Add(" z", 4);
  l.Add("B", 5);
  std::vector<int> values;
  for (const auto& it : l.Items()) values.push_back(it.value);
  EXPECT_EQ(values, (std::vector<int>{4, 2, 3, 1, 5}));
  // Adding all at once gives the same order as adding one by one.
  SortedList bulk;
  bulk.AddAll({{"b", 1}, {"A", 2}, {"a", 3}, {" z", 4}, {"B", 5}});
  std::vector<int> bulkValues;
  for (const auto& it : bulk.Items()) bulkValues.push_back(it.value);
  EXPECT_EQ(bulkValues, values);
  // A shorter line that is a prefix of another comes first.
  EXPECT_TRUE(SortedBefore("ab", "abc"));
  EXPECT_FALSE(SortedBefore("abc", "AB"));
}

}  // namespace
}  // namespace hrs
