#include <gtest/gtest.h>

#include "core/data/write_form.h"
#include "core/text/align.h"
#include "core/text/characters.h"
#include "core/text/code_page.h"

namespace hrs {
namespace {

TEST(CodePage, FileTextIsUtf8AsItStandsElseWindows1252) {
  struct Case {
    std::string bytes, text;
  };
  const Case cases[] = {
      {"Anders", "Anders"},
      {"S\xC3\xB8ren \xC3\x86r\xC3\xB8", "Søren Ærø"},   // UTF-8 stays
      {"J\xFCrgen M\xFCller", "Jürgen Müller"},          // Windows-1252
      {"\x80 \x8A\x9A \x9F \x81", "€ Šš Ÿ \xC2\x81"},    // its 0x80-0x9F row
      {"\xC3\x28", "\xC3\x83("},                         // a broken sequence is no UTF-8
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // nor is a surrogate
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                  // nor an overlong form
  };
  for (const Case& c : cases) EXPECT_EQ(TextFromFile(c.bytes), c.text) << c.bytes;
}

TEST(CodePage, EveryValueOfAFileIsReadOnItsOwn) {
  // One line written by this system, one by the companion program.
  const auto values = SplitWriteForm("\"S\xC3\xB8ren\",1\r\n\"J\xFCrgen\",2\r\n");
  ASSERT_EQ(values.size(), 4u);
  EXPECT_EQ(values[0].text, "Søren");
  EXPECT_EQ(values[2].text, "Jürgen");
  WriteFormReader r("\"\xC5se\"");
  EXPECT_EQ(r.Text(), "Åse");
}

TEST(CodePage, Windows1252WithTheNearestPlainLetterElseAQuestionMark) {
  struct Case {
    std::string text, bytes;
    bool changed;
  };
  const Case cases[] = {
      {"Anders", "Anders", false},
      {"Søren Ærø", "S\xF8ren \xC6r\xF8", false},
      {"Zoë Ångström €", "Zo\xEB \xC5ngstr\xF6m \x80", false},
      {"Łukasz Wróbel",
       "Lukasz Wr\xF3"
       "bel",
       true},
      {"Erdős Ştefan Dvořák", "Erdos Stefan Dvor\xE1k", true},
      {"Zoe\xCC\x88", "Zoe", true},  // a combining accent is dropped
      {"Ωmega 山", "?mega ?", true},
      {"J\xFCrgen", "J\xFCrgen", false},  // already in the Windows code page
  };
  for (const Case& c : cases) {
    const Windows1252Text t = ToWindows1252(c.text);
    EXPECT_EQ(t.bytes, c.bytes) << c.text;
    EXPECT_EQ(t.changed, c.changed) << c.text;
  }
  for (int b = 0x20; b <= 0xFF; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(ToWindows1252(TextFromFile(one)).bytes, one) << b;
  }
}

TEST(CodePage, TheOperatorIsToldOnceWhichNamesChanged) {
  Windows1252File file;
  EXPECT_EQ(file.Text("Søren"), "S\xF8ren");
  EXPECT_EQ(file.Text("Łukasz Wróbel"),
            "Lukasz Wr\xF3"
            "bel");
  EXPECT_EQ(file.Text("Łukasz Wróbel"),
            "Lukasz Wr\xF3"
            "bel");
  EXPECT_EQ(ChangedTextsMessage("WINTdelt.pre", file.Changed()),
            "WINTdelt.pre is written in the Windows character set, which lacks some letters of these names;\r"
            "they were written as shown:\r\rŁukasz Wróbel  as  Lukasz Wróbel");
  EXPECT_EQ(ChangedTextsMessage("WINTdelt.pre", {}), std::nullopt);
}

TEST(Characters, ColumnsCountLettersAndCutsFallBetweenThem) {
  EXPECT_EQ(CharCount("Åse Løvås"), 9u);
  EXPECT_EQ(FirstChars("Åse Løvås", 6), "Åse Lø");
  EXPECT_EQ(FirstChars("Åse", 9), "Åse");
  EXPECT_EQ(CharsFrom("Åse Løvås", 4, 3), "Løv");
  EXPECT_EQ(CharsFrom("Åse", 5), "");
  EXPECT_EQ(RightAlign("Ærø", 5), "  Ærø");
  EXPECT_EQ(LeftPad("Ærø", 5), "Ærø  ");
  EXPECT_EQ(LeftPad("Jürgen Müller", 4), "Jürgen Müller");
  EXPECT_EQ(Centred("Zoë", 7), "  Zoë");
  EXPECT_EQ(LastChars("/klubb/Løvås", 5), "Løvås");
}

}  // namespace
}  // namespace hrs
