// The chip picture's geometry: bodies and pin boxes of both kinds, label
// rectangles and extents, hit tests, scroll ranges, centring and the wheel.
#include "diagram/McuLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace mculayout {
void PrintTo(const stRect& r, std::ostream* os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
}  // namespace mculayout

namespace {

using namespace mculayout;

// 32 pins on four sides in a 600 x 500 drawing: eight a side, the body
// (300 - 102, 250 - 102, 300 + 102, 250 + 102).
TEST(McuLayout, FourSidesRunCounterClockwiseFromTheTopOfTheLeftSide) {
  CMcuLayout layout;
  ASSERT_TRUE(layout.Create(kKindFourSides, 32, 600, 500, 0));
  EXPECT_EQ(layout.GetBody(), (stRect{198, 148, 402, 352}));
  struct Case {
    int pin;  // 0-based
    PinSide side;
    stRect box;
  };
  const Case cases[] = {
      {0, kSideLeft, {120, 153, 193, 173}},     // pin 1: the top box of the left side
      {7, kSideLeft, {120, 328, 193, 348}},     // pin 8: its bottom box
      {8, kSideBottom, {203, 357, 223, 430}},   // pin 9: the left box of the bottom side
      {15, kSideBottom, {378, 357, 398, 430}},  // pin 16: its right box
      {16, kSideRight, {407, 327, 480, 347}},   // pin 17: the bottom box of the right side
      {23, kSideRight, {407, 152, 480, 172}},   // pin 24: its top box
      {24, kSideTop, {377, 70, 397, 143}},      // pin 25: the right box of the top side
      {31, kSideTop, {202, 70, 222, 143}},      // pin 32: its left box
  };
  for (const Case& c : cases) {
    EXPECT_EQ(layout.SideOf(c.pin), c.side) << "pin " << c.pin + 1;
    EXPECT_EQ(layout.GetPin(c.pin).box, c.box) << "pin " << c.pin + 1;
  }
}

TEST(McuLayout, TwoRowsGiveTheDefaultBodyWidthAndRunDownThenUp) {
  CMcuLayout layout;
  ASSERT_TRUE(layout.Create(kKindTwoRows, 16, 600, 500, 0));
  const stRect& body = layout.GetBody();
  EXPECT_EQ(body.Width(), 219);
  EXPECT_EQ(body.left, 300 - 219 / 2);
  EXPECT_EQ(body.top, 250 - 102);  // (8 x 25 + 5) / 2 each side of the middle
  EXPECT_EQ(body.bottom, 250 + 102);
  for (int pin = 0; pin < 16; ++pin) EXPECT_EQ(layout.SideOf(pin), pin < 8 ? kSideLeft : kSideRight) << pin;
  EXPECT_EQ(layout.GetPin(0).box.top, body.top + 5);
  EXPECT_EQ(layout.GetPin(7).box.bottom, body.top + 5 + 7 * 25 + 20);
  EXPECT_EQ(layout.GetPin(8).box.bottom, body.bottom - 5);  // pin 9: the bottom of the right row
  EXPECT_EQ(layout.GetPin(15).box.top, body.bottom - 5 - 7 * 25 - 20);

  ASSERT_TRUE(layout.Relayout(600, 500, 240));
  EXPECT_EQ(layout.GetBody().Width(), 240);
}

TEST(McuLayout, KindsAndCountsThatDoNotShareOutPlaceNothing) {
  const struct {
    int kind;
    int pins;
  } cases[] = {{3, 24}, {kKindFourSides, 30}, {kKindTwoRows, 15}, {kKindFourSides, 0}};
  for (const auto& c : cases) {
    CMcuLayout layout;
    EXPECT_FALSE(layout.Create(c.kind, c.pins, 600, 500, 0)) << c.kind << "/" << c.pins;
    EXPECT_FALSE(layout.IsPlaced());
    EXPECT_EQ(layout.GetPinCount(), c.pins);
    for (int pin = 0; pin < c.pins; ++pin) EXPECT_EQ(layout.SideOf(pin), kSideNone);
    EXPECT_EQ(layout.HitTest(300, 250), -1);
    EXPECT_EQ(layout.ContentSize().width, 0);
  }
}

// Without bars and labels, client and layout coordinates agree.
TEST(McuLayout, AClickHitsOnlyTheInsideOfABox) {
  CMcuLayout layout;
  ASSERT_TRUE(layout.Create(kKindFourSides, 32, 600, 500, 0));
  layout.PlanScrollBars(1000, 1000, 16);
  ASSERT_FALSE(layout.GetHorizontal().IsShown());
  ASSERT_FALSE(layout.GetVertical().IsShown());
  const struct {
    int x, y, pin;
  } cases[] = {
      {150, 160, 0},                                  // inside pin 1
      {150, 175, -1},                                 // between pins 1 and 2
      {120, 160, -1},                                 // on pin 1's left edge
      {193, 160, -1},                                 // on its right edge
      {150, 153, -1},                                 // on its top edge
      {150, 154, 0},  {210, 400, 8}, {300, 250, -1},  // the body
  };
  for (const auto& c : cases) EXPECT_EQ(layout.HitTest(c.x, c.y), c.pin) << c.x << "," << c.y;
}

TEST(McuLayout, OuterExtentsOnlyGrowAndWidenTheRange) {
  CMcuLayout layout;
  ASSERT_TRUE(layout.Create(kKindFourSides, 32, 600, 500, 0));
  layout.PlanScrollBars(300, 300, 16);
  const int before = layout.GetHorizontal().max;

  EXPECT_TRUE(layout.SetOuterLabelWidth(0, 40));
  EXPECT_EQ(layout.GetOuterExtent(kSideLeft), 40);
  layout.PlanScrollBars(300, 300, 16);
  EXPECT_EQ(layout.GetHorizontal().max, before + 40);

  EXPECT_FALSE(layout.SetOuterLabelWidth(1, 30));  // shorter: the extent stays
  EXPECT_EQ(layout.GetOuterExtent(kSideLeft), 40);
  const stRect& box = layout.GetPin(1).box;
  EXPECT_EQ(layout.GetPin(1).outerLabel, (stRect{box.left - 5 - 30, box.top, box.left - 5, box.bottom}));
  EXPECT_FALSE(layout.SetOuterLabelWidth(0, 10));  // the widest shrinks: still 40
  EXPECT_EQ(layout.GetOuterExtent(kSideLeft), 40);
  EXPECT_EQ(layout.GetOuterExtent(kSideRight), 0);

  // Label rectangles by side: below a bottom box, above a top box, inside the body.
  EXPECT_TRUE(layout.SetOuterLabelWidth(8, 25));
  const stRect& bottom = layout.GetPin(8).box;
  EXPECT_EQ(layout.GetPin(8).outerLabel,
            (stRect{bottom.left, bottom.bottom + 5, bottom.right, bottom.bottom + 30}));
  layout.SetInnerLabelWidth(24, 33);
  const stRect& top = layout.GetPin(24).box;
  EXPECT_EQ(layout.GetPin(24).innerLabel,
            (stRect{top.left, layout.GetBody().top + 5, top.right, layout.GetBody().top + 38}));
  // A relayout keeps the measured widths.
  ASSERT_TRUE(layout.Relayout(700, 600, 0));
  EXPECT_EQ(layout.GetPin(1).outerLabel.Width(), 30);
  EXPECT_EQ(layout.GetOuterExtent(kSideLeft), 40);
}

TEST(McuLayout, TheNumberCellIsTheBoxEndNearestTheBody) {
  CMcuLayout layout;
  ASSERT_TRUE(layout.Create(kKindFourSides, 32, 600, 500, 0));
  const struct {
    int pin;
    stRect text, cell;
  } cases[] = {
      {0, {120, 153, 176, 173}, {176, 153, 193, 173}},   // left: the cell on the right
      {8, {203, 374, 223, 430}, {203, 357, 223, 374}},   // bottom: on top
      {16, {424, 327, 480, 347}, {407, 327, 424, 347}},  // right: on the left
      {24, {377, 70, 397, 126}, {377, 126, 397, 143}},   // top: at the bottom
  };
  for (const auto& c : cases) {
    stRect text, cell;
    layout.SplitNumberCell(c.pin, 17, text, cell);
    EXPECT_EQ(text, c.text) << c.pin;
    EXPECT_EQ(cell, c.cell) << c.pin;
  }
  stRect text, cell;
  layout.SplitNumberCell(0, 0, text, cell);
  EXPECT_EQ(cell.Width(), kDefaultNumberCell);
}

// The whole content, labels included, in client coordinates.
stRect ContentOnScreen(const CMcuLayout& layout) {
  stRect all = layout.ToClient(layout.GetBody());
  for (int pin = 0; pin < layout.GetPinCount(); ++pin) {
    for (const stRect& r : {layout.GetPin(pin).box, layout.GetPin(pin).outerLabel}) {
      const stRect c = layout.ToClient(r);
      all = {std::min(all.left, c.left), std::min(all.top, c.top), std::max(all.right, c.right),
             std::max(all.bottom, c.bottom)};
    }
  }
  return all;
}

// Labels longer on the right and at the bottom than on the left and at the
// top: every edge of the content can still be scrolled into view, and the
// centred view puts the content's middle in the view's middle.
TEST(McuLayout, EveryEdgeScrollsIntoViewAndTheCentreIsTheContentsMiddle) {
  CMcuLayout layout;
  ASSERT_TRUE(layout.Create(kKindFourSides, 52, 400, 300, 0));
  for (int pin = 0; pin < 52; ++pin) {
    const PinSide side = layout.SideOf(pin);
    layout.SetOuterLabelWidth(pin, side == kSideRight || side == kSideBottom ? 90 : 20);
  }
  layout.PlanScrollBars(400, 300, 16);
  ASSERT_TRUE(layout.GetHorizontal().IsShown());
  ASSERT_TRUE(layout.GetVertical().IsShown());
  const stSize view = layout.ViewSize();
  EXPECT_EQ(view.width, 400 - 16);
  EXPECT_EQ(view.height, 300 - 16);

  layout.SetScrollPosition(false, 0);
  layout.SetScrollPosition(true, 0);
  stRect content = ContentOnScreen(layout);
  EXPECT_GE(content.left, 0);
  EXPECT_GE(content.top, 0);
  layout.SetScrollPosition(false, layout.GetHorizontal().max);
  layout.SetScrollPosition(true, layout.GetVertical().max);
  content = ContentOnScreen(layout);
  EXPECT_LE(content.right, view.width);
  EXPECT_LE(content.bottom, view.height);

  layout.CenterView();
  content = ContentOnScreen(layout);
  EXPECT_NEAR((content.left + content.right) / 2, view.width / 2, 3);
  EXPECT_NEAR((content.top + content.bottom) / 2, view.height / 2, 3);

  // Content that fits is centred as well, labels included.
  layout.PlanScrollBars(1200, 900, 16);
  ASSERT_FALSE(layout.GetHorizontal().IsShown() || layout.GetVertical().IsShown());
  ASSERT_TRUE(layout.Relayout(1200, 900, 0));
  content = ContentOnScreen(layout);
  EXPECT_NEAR((content.left + content.right) / 2, 600, 2);
  EXPECT_NEAR((content.top + content.bottom) / 2, 450, 2);
}

TEST(McuLayout, ScrollActionsStepByHalfAPageAndStayInRange) {
  CMcuLayout layout;
  ASSERT_TRUE(layout.Create(kKindFourSides, 52, 400, 300, 0));
  layout.PlanScrollBars(200, 200, 16);
  const stScrollAxis axis = layout.GetVertical();
  ASSERT_TRUE(axis.IsShown());
  ASSERT_EQ(axis.page, 184);
  layout.SetScrollPosition(true, 100);
  const struct {
    ScrollAction action;
    int thumb, expected;
  } cases[] = {
      {ScrollAction::kLineUp, 0, 100 - 92}, {ScrollAction::kLineDown, 0, 100 + 92},
      {ScrollAction::kPageUp, 0, 0},        {ScrollAction::kPageDown, 0, 284},
      {ScrollAction::kThumbTrack, 57, 57},  {ScrollAction::kThumbTrack, 100000, axis.Limit()},
      {ScrollAction::kTop, 0, 0},           {ScrollAction::kBottom, 0, axis.Limit()},
      {ScrollAction::kOther, 0, 100},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(layout.NextScrollPosition(true, c.action, c.thumb), c.expected) << static_cast<int>(c.action);
  }
  EXPECT_FALSE(layout.SetScrollPosition(true, 100));
  EXPECT_TRUE(layout.SetScrollPosition(true, -5));
  EXPECT_EQ(layout.GetVertical().pos, 0);
}

TEST(McuLayout, TheWheelScrollsVerticallyAboveTheDiagonal) {
  CMcuLayout layout;
  ASSERT_TRUE(layout.Create(kKindFourSides, 52, 400, 300, 0));
  layout.PlanScrollBars(200, 100, 16);  // view 184 x 84
  ASSERT_TRUE(layout.GetHorizontal().IsShown() && layout.GetVertical().IsShown());
  const struct {
    int x, y;
    WheelAxis axis;
  } cases[] = {
      {150, 10, WheelAxis::kVertical},   // upper right
      {20, 70, WheelAxis::kHorizontal},  // lower left
      {92, 40, WheelAxis::kVertical},    // just above the middle of the diagonal
      {92, 44, WheelAxis::kHorizontal},  // just below it
      {0, 0, WheelAxis::kHorizontal},    // on it
      {100, 83, WheelAxis::kHorizontal},
  };
  for (const auto& c : cases) EXPECT_EQ(layout.WheelAxisAt(c.x, c.y), c.axis) << c.x << "," << c.y;

  const int limit = layout.GetVertical().Limit();
  EXPECT_EQ(layout.WheelPosition(WheelAxis::kVertical, -120), std::min(42, limit));  // towards the user
  EXPECT_EQ(layout.WheelPosition(WheelAxis::kVertical, 120), 0);
  layout.SetScrollPosition(true, limit);
  EXPECT_EQ(layout.WheelPosition(WheelAxis::kVertical, -120), limit);
  EXPECT_EQ(layout.WheelPosition(WheelAxis::kVertical, 120), limit - 42);

  // One bar: that bar wherever the pointer is.
  layout.PlanScrollBars(2000, 100, 16);
  ASSERT_FALSE(layout.GetHorizontal().IsShown());
  EXPECT_EQ(layout.WheelAxisAt(10, 90), WheelAxis::kVertical);
  layout.PlanScrollBars(2000, 2000, 16);
  EXPECT_EQ(layout.WheelAxisAt(10, 90), WheelAxis::kNone);
}

}  // namespace
