#include "core/data/write_form.h"

#include <gtest/gtest.h>

#include "core/data/text_field.h"

namespace hrs {
namespace {

std::vector<std::string> Texts(std::string_view bytes) {
  std::vector<std::string> out;
  for (const auto& v : SplitWriteForm(bytes)) out.push_back(v.text);
  return out;
}

TEST(WriteFormReader, SplitsValuesAcrossLinesWithCrLfOrLf) {
  EXPECT_EQ(Texts("1,\"a\",2\r\n3\r\n"), (std::vector<std::string>{"1", "a", "2", "3"}));
  EXPECT_EQ(Texts("1,\"a\",2\n3\n"), (std::vector<std::string>{"1", "a", "2", "3"}));
  // No final line break.
  EXPECT_EQ(Texts("1,2\r\n3"), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(WriteFormReader, EmptyLineIsOneValueAndTrailingCommaAddsOne) {
  EXPECT_EQ(Texts("1\r\n\r\n2\r\n"), (std::vector<std::string>{"1", "", "2"}));
  EXPECT_EQ(Texts("1,2,\r\n"), (std::vector<std::string>{"1", "2", ""}));
  // Blank lines at the very end hold no values.
  EXPECT_EQ(Texts("1\r\n\r\n\r\n"), (std::vector<std::string>{"1"}));
}

TEST(WriteFormReader, QuotedValuesKeepCommasAndSpacesUnquotedAreTrimmed) {
  auto v = SplitWriteForm("\"Smith, John\",  42  ,\" padded \"\r\n");
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[0].text, "Smith, John");
  EXPECT_TRUE(v[0].quoted);
  EXPECT_EQ(v[1].text, "42");
  EXPECT_FALSE(v[1].quoted);
  EXPECT_EQ(v[2].text, " padded ");
}

TEST(WriteFormReader, NumbersMayBeQuotedAndEmptyReadsAsZero) {
  WriteFormReader r("\"12\",,-7, 3 ,abc,40000\r\n");
  EXPECT_EQ(r.Int16(), 12);
  EXPECT_EQ(r.Int16(), 0);
  EXPECT_EQ(r.Int16(), -7);
  EXPECT_EQ(r.Int16(), 3);
  EXPECT_EQ(r.Int16(), std::nullopt);  // not a number
  EXPECT_EQ(r.Int16(), std::nullopt);  // beyond 16 bits
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(r.Int16(), std::nullopt);  // past the end
  // An empty value is 0 only where 0 may stand.
  WriteFormReader range(",\r\n");
  EXPECT_EQ(range.Integer(2, 8), std::nullopt);
  EXPECT_EQ(range.Integer(-1, 1), 0);
}

TEST(WriteFormReader, LineEndIsKnownForEachValue) {
  WriteFormReader r("1,2\r\n3\r\n");
  r.Next();
  EXPECT_FALSE(r.AtLineEnd());
  r.Next();
  EXPECT_TRUE(r.AtLineEnd());
  EXPECT_EQ(r.NextLine(), 1u);
}

TEST(WriteFormReader, DateValues) {
  WriteFormReader r("#1997-08-15 14:30:00#\r\n");
  auto d = r.Date();
  ASSERT_TRUE(d);
  EXPECT_EQ(*d, (DateTime{{1997, 8, 15}, 14, 30, 0}));
  EXPECT_EQ(ParseWriteFormDate("#1997-13-15 14:30:00#"), std::nullopt);
  EXPECT_EQ(ParseWriteFormDate("garbage"), std::nullopt);
}

TEST(WriteFormLine, WritesExactBytes) {
  EXPECT_EQ(WriteFormLine().Text("a").Number(-3).Raw("").Str(), "\"a\",-3,\r\n");
  EXPECT_EQ(WriteFormLine().Date({{1997, 8, 15}, 14, 30, 0}).Str(), "#1997-08-15 14:30:00#\r\n");
}

TEST(WriteFormLine, TextThatWouldBreakTheFileIsMadeSafe) {
  EXPECT_EQ(WriteFormLine().Text("say \"hi\"\r\nnow").Str(), "\"say 'hi'  now\"\r\n");
  // A comma inside quoted text survives a round trip.
  const std::string line = WriteFormLine().Text("Smith, John").Number(1).Str();
  EXPECT_EQ(Texts(line), (std::vector<std::string>{"Smith, John", "1"}));
}

TEST(TextField, NeverSetEmptyAndNumberZeroRoundTrip) {
  auto v = SplitWriteForm("x,,\"\",0,\"0012001 0003\"\r\n");
  ASSERT_EQ(v.size(), 5u);
  EXPECT_EQ(TextField::FromValue(v[1]).kind, TextField::Kind::Unset);
  EXPECT_EQ(TextField::FromValue(v[2]).kind, TextField::Kind::Text);
  EXPECT_EQ(TextField::FromValue(v[3]).kind, TextField::Kind::Number);
  WriteFormLine line;
  for (size_t i = 1; i < v.size(); ++i) WriteTextField(line, TextField::FromValue(v[i]));
  EXPECT_EQ(line.Str(), ",\"\",0,\"0012001 0003\"\r\n");
}

}  // namespace
}  // namespace hrs

namespace hrs {
namespace {

TEST(WriteFormReader, ByteOrderMarkEndOfFileMarkAndStrayCarriageReturnsAreNotContent) {
  EXPECT_EQ(Texts("\xEF\xBB\xBF\"Club\",1\r\n"), (std::vector<std::string>{"Club", "1"}));
  EXPECT_EQ(Texts("1,2\r\n\x1A"), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(Texts("1,2\r\r\n3\r\r\n"), (std::vector<std::string>{"1", "2", "3"}));
  WriteFormReader r("400\r\r\n2099\r\r\n");
  EXPECT_EQ(r.Int16(), 400);
  EXPECT_EQ(r.Int16(), 2099);
  EXPECT_TRUE(r.AtEnd());
}

TEST(WriteFormReader, OtherProgramsQuotingAndControlBytesKeepTheText) {
  // A doubled quote inside a quoted text is one quote of the text.
  EXPECT_EQ(Texts("\"Olga \"\"Jr\"\" Wold\",5\r\n"), (std::vector<std::string>{"Olga \"Jr\" Wold", "5"}));
  EXPECT_EQ(Texts("\"\"\"x\"\"\",1\r\n"), (std::vector<std::string>{"\"x\"", "1"}));
  // Only a Ctrl-Z at the very end ends the file; inside a text it is a byte.
  EXPECT_EQ(Texts("\"a\x1A b\",2\r\n3\r\n"), (std::vector<std::string>{"a\x1A b", "2", "3"}));
  EXPECT_EQ(Texts("1\r\n\x1A\x1A"), (std::vector<std::string>{"1"}));
  // What is written back never holds one.
  EXPECT_EQ(WriteFormLine().Text("a\x1A\"b\r\n").Str(), "\"a 'b  \"\r\n");
}

TEST(WriteFormReader, OneVeryLongLineReadsToTheEnd) {
  // Every value of the line is found without looking for the line's end again.
  const std::string line(1000000, ',');
  WriteFormReader r(line + "\r\n7\r\n");
  size_t values = 0;
  while (r.Next()) ++values;
  EXPECT_EQ(values, 1000002u);
}

TEST(WriteFormReader, DateMustBeTheWholeValue) {
  EXPECT_TRUE(ParseWriteFormDate("#1997-08-15#"));
  EXPECT_FALSE(ParseWriteFormDate("#1997-08-15xyz#"));
  EXPECT_FALSE(ParseWriteFormDate("#1997-08-15 14:30:00 junk#"));
}

}  // namespace
}  // namespace hrs
