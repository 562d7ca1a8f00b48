#include "platform/Format.h"

#include <gtest/gtest.h>

namespace {

using platform::FormatText;

TEST(Format, FillsConversionsThatFit) {
  EXPECT_EQ(FormatText("%s is %d", "x", 5), "x is 5");
  EXPECT_EQ(FormatText("%04X|%-3d|%u", 0xAB, 7, 9u), "00AB|7  |9");
  EXPECT_EQ(FormatText("%.2f%%", 12.345), "12.35%");  // rounding of 12.345 in binary
  EXPECT_EQ(FormatText("%ld %lu %c", 3L, 4UL, 'Z'), "3 4 Z");
  EXPECT_EQ(FormatText("100%% sure"), "100% sure");
  EXPECT_EQ(FormatText("%s", wxString::FromUTF8("中文")), wxString::FromUTF8("中文"));
  EXPECT_EQ(FormatText("%5s|", "ab"), "   ab|");
}

TEST(Format, FormatThatDoesNotFitIsShownAsItStands) {
  const char* formats[] = {
      "%s and %s",   // too few arguments
      "%d",          // a text for %d
      "%n",          // refused conversion
      "%1$s",        // positional
      "%*d",         // width from an argument
      "%99999999d",  // absurd width
      "trailing %", "%p",
  };
  for (const char* f : formats) EXPECT_EQ(FormatText(f, "text"), f) << f;
  EXPECT_EQ(FormatText("%s", "a", "b"), "%s");  // too many arguments
  EXPECT_EQ(FormatText("%f", 3), "%f");         // an integer for %f
}

}  // namespace
