#include "FakeFrameItems.h"
#include "protocol/FrameBlock.h"

#include <gtest/gtest.h>

using namespace olv::protocol;
using namespace olv::protocol::testing;

TEST(FrameBlock, ComplementTextShowsBoundCaptionWithOverlineWithoutSlash) {
  FakeHost host;
  FakeItem item("/ADD");
  CFrameBlock b;
  b.Create(10, 20, 30, 40, &host);
  b.SetMovable(true, false);
  b.SetText("/ADD", true);
  EXPECT_TRUE(b.IsComplement());
  b.SetText("ADD", false);
  EXPECT_TRUE(b.IsComplement()) << "a plain text never clears the complement";

  b.BindWnd(&item, kKindData);
  EXPECT_EQ(item.at, (BlockRect{10, 20, 50, 50}));
  const BlockBodyStyle s = b.BodyStyle();
  EXPECT_TRUE(s.overline);
  EXPECT_EQ(s.text, "ADD");
}

TEST(FrameBlock, BindTwiceKeepsFirstAndUnbindUnboundGivesNull) {
  FakeItem a("A"), c("C");
  CFrameBlock b;
  EXPECT_EQ(b.UnbindWnd(), nullptr);
  b.BindWnd(&a, 3);
  b.BindWnd(&c, 8);
  EXPECT_EQ(b.GetWnd(), &a);
  EXPECT_EQ(b.AcceptedKinds(), 3);
  EXPECT_EQ(b.GetCaption(true), "A");
  EXPECT_EQ(b.UnbindWnd(), &a);
  EXPECT_EQ(b.GetWnd(), nullptr);
  EXPECT_EQ(b.AcceptedKinds(), 0);
  EXPECT_EQ(b.UnbindWnd(), nullptr);
}

TEST(FrameBlock, BodyStyleFollowsState) {
  CFrameBlock fixed;  // constructed fixed
  fixed.SetFillColor(RgbColour(1, 2, 3));
  fixed.SetSelected(true, false);
  BlockBodyStyle s = fixed.BodyStyle();
  EXPECT_EQ(s.pen, BlockPen::Fixed);
  EXPECT_EQ(s.fill, RgbColour(224, 224, 224));
  EXPECT_EQ(s.text_colour, RgbColour(127, 127, 127));

  CFrameBlock add;
  add.SetMovable(true, false);
  add.SetListFlags(true, false, false);
  s = add.BodyStyle();
  EXPECT_EQ(s.pen, BlockPen::Dotted);
  EXPECT_EQ(s.text, "+");
  add.SetSelected(true, false);
  EXPECT_EQ(add.BodyStyle().pen, BlockPen::SelectionDotted);
  add.SetListFlags(true, true, false);
  add.SetSelected(false, false);
  EXPECT_EQ(add.BodyStyle().pen, BlockPen::Solid);
  EXPECT_EQ(add.BodyStyle().text, "");
}

TEST(FrameBlock, GeometryAndHitTest) {
  CFrameBlock b;
  b.Create(10, 20, 30, 40, nullptr);
  EXPECT_EQ(b.GetBoundingRect(), b.Rect());
  EXPECT_TRUE(b.HitTest(10, 20));
  EXPECT_TRUE(b.HitTest(49, 49));
  EXPECT_FALSE(b.HitTest(50, 30));
  EXPECT_FALSE(b.HitTest(20, 50));

  b.SetLabelRect({0, 5, 60, 20}, false);
  EXPECT_EQ(b.GetBoundingRect(), (BlockRect{0, 5, 60, 50}));
  b.SetLabelRect({0, 15, 10, 60}, true);
  EXPECT_EQ(b.GetBoundingRect(), (BlockRect{0, 15, 50, 60}));
}

TEST(FrameBlock, RedrawingSettersInvalidateOnlyWhenAsked) {
  FakeHost host;
  CFrameBlock b;
  b.Create(0, 0, 10, 10, &host);
  b.SetSelected(true, false);
  b.SetVisible(false, false);
  EXPECT_TRUE(host.invalidated.empty());
  b.SetRounded(true, true);
  b.SetMovable(true, true);
  ASSERT_EQ(host.invalidated.size(), 3u);
  EXPECT_EQ(host.invalidated[0], b.Rect());
}
