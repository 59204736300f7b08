#include <gtest/gtest.h>

#include "app/platform/qt_text.h"

namespace hrs::app {
namespace {

TEST(QtText, OneLetterIsOneCharacterBothWays) {
  EXPECT_EQ(ToQt("Søren Ærø"), QString::fromUtf8("Søren Ærø"));
  EXPECT_EQ(ToQt("J\xFCrgen"), QString::fromUtf8("Jürgen")) << "a text the core did not read still shows right";
  // A name typed with a combining accent is composed: Zoe + U+0308 is Zoë.
  EXPECT_EQ(FromQt(QString::fromUtf8("Zoe\xCC\x88")), "Zo\xC3\xAB");
  EXPECT_EQ(FromQt(ToQt("Łukasz Wróbel")), "Łukasz Wróbel");
  EXPECT_EQ(MessageText("a\rb"), QString("a\nb"));
}

}  // namespace
}  // namespace hrs::app
