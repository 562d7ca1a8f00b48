// Placement of cell text by format flags, with a fixed-pitch measure:
// every character 6 px wide, lines 10 px high.
#include "controls/grid/GridTextLayout.h"

#include <gtest/gtest.h>

namespace {

wxSize FixedPitch(const wxString& text) { return wxSize(6 * static_cast<int>(text.length()), 10); }

GridTextLayout Layout(const wxString& text, const GridRect& rect, unsigned format) {
  return LayoutGridText(text, rect, format, FixedPitch);
}

using namespace gridformat;

TEST(GridTextLayoutTest, SingleLinesAreAlignedInTheRectangle) {
  const GridRect rect(10, 20, 110, 60);  // 100 x 40
  struct Case {
    unsigned format;
    int x;
    int y;
  };
  const Case cases[] = {
      {kSingleLine, 10, 20},
      {kSingleLine | kCenter, 10 + (100 - 24) / 2, 20},
      {kSingleLine | kRight, 110 - 24, 20},
      {kSingleLine | kVCenter, 10, 20 + 15},
      {kSingleLine | kBottom | kRight, 86, 50},
      {kVCenter, 10, 20},  // vertical placement needs a single line
  };
  for (const Case& c : cases) {
    const GridTextLayout layout = Layout("ABCD", rect, c.format);
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_EQ(layout.lines[0].x, c.x) << "format " << c.format;
    EXPECT_EQ(layout.lines[0].y, c.y) << "format " << c.format;
  }
}

TEST(GridTextLayoutTest, EndEllipsisKeepsWhatFits) {
  const GridRect rect(0, 0, 40, 10);
  GridTextLayout layout = Layout("ABCDEFGHIJ", rect, kDefault);
  ASSERT_EQ(layout.lines.size(), 1u);
  EXPECT_EQ(layout.lines[0].text, "ABC...");
  EXPECT_LE(layout.lines[0].width, 40);

  layout = Layout("ABCDEFGHIJ", rect, kSingleLine);  // no ellipsis: the text is clipped when drawn
  EXPECT_EQ(layout.lines[0].text, "ABCDEFGHIJ");
  layout = Layout("ABCDEF", GridRect(0, 0, 36, 10), kDefault);  // fits exactly
  EXPECT_EQ(layout.lines[0].text, "ABCDEF");
}

TEST(GridTextLayoutTest, LinesBreakAtLineFeedsAndWithWordBreakAtSpaces) {
  GridTextLayout layout = Layout("one\ntwo", GridRect(0, 0, 100, 100), kLeft);
  ASSERT_EQ(layout.lines.size(), 2u);
  EXPECT_EQ(layout.lines[1].text, "two");
  EXPECT_EQ(layout.lines[1].y, 10);
  EXPECT_EQ(layout.height, 20);

  layout = Layout("one\ntwo", GridRect(0, 0, 100, 100), kSingleLine);
  ASSERT_EQ(layout.lines.size(), 1u);
  EXPECT_EQ(layout.lines[0].text, "one two");

  layout = Layout("aa bb cc", GridRect(0, 0, 30, 100), kWordBreak);
  ASSERT_EQ(layout.lines.size(), 2u);
  EXPECT_EQ(layout.lines[0].text, "aa bb");
  EXPECT_EQ(layout.lines[1].text, "cc");
  EXPECT_EQ(layout.width, 30);

  layout = Layout("averyverylongword x", GridRect(0, 0, 30, 100), kWordBreak);
  ASSERT_EQ(layout.lines.size(), 2u);
  EXPECT_EQ(layout.lines[0].text, "averyverylongword");
}

TEST(GridTextLayoutTest, AnEmptyTextHasOneLineOfHeight) {
  const GridTextLayout layout = Layout("", GridRect(0, 0, 50, 50), kDefault);
  EXPECT_EQ(layout.width, 0);
  EXPECT_EQ(layout.height, 10);
}

}  // namespace
