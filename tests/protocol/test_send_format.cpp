#include "FakeFrameItems.h"
#include "protocol/SendFormat.h"

#include <gtest/gtest.h>

using namespace olv::protocol;
using namespace olv::protocol::testing;

namespace {

class SendFormatTest : public ::testing::Test {
 protected:
  void SetUp() override { diagram.Layout(0, 0, 20, 50, 9, &host, true); }
  bool Insert(int kinds, int at, FakeItem& item, BlockColour fill = RgbColour(9, 9, 9)) {
    return diagram.InsertAt(kinds, at, &item, fill, false, false, false, false);
  }
  FakeHost host;
  CSendFormat diagram;
  FakeItem opt{"OPT"}, start{"START"}, toggle{"TOGGLE"};
  FakeItem d1{"D1"}, d2{"D2"}, d3{"D3"}, d4{"D4"}, d5{"D5"}, d6{"D6"};
};

}  // namespace

TEST_F(SendFormatTest, CreatedPlacesHaveKindsAndPositions) {
  const int kinds[] = {2, 4, 8, 1, 1, 1, 1, 1, 16};
  const int lefts[] = {0, 50, 100, 150, 200, 250, 300, 350, 450};
  ASSERT_EQ(diagram.PlaceCount(), 9);
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(diagram.Place(i).Kind(), kinds[i]);
    EXPECT_EQ(diagram.Place(i).Rect().left, lefts[i]);
    EXPECT_FALSE(diagram.Place(i).IsFixed());
    EXPECT_TRUE(diagram.Place(i).IsVisible());
    EXPECT_EQ(diagram.Place(i).FillColour(), RgbColour(224, 224, 224));
  }
}

TEST_F(SendFormatTest, RelayoutHidesOptionsThatAreOffAndReleasesTheirItems) {
  ASSERT_TRUE(Insert(kKindStart, 1, start));
  diagram.kind2_shown = true;
  diagram.toggle_shown = true;
  diagram.kind16_shown = true;
  diagram.Layout(0, 0, 20, 50, diagram.PlaceCount(), &host, false);
  EXPECT_FALSE(diagram.Place(1).IsVisible());
  EXPECT_EQ(diagram.GetBlockWnd(1), nullptr);
  EXPECT_EQ(diagram.FindWnd(&start), -1);
  EXPECT_EQ(diagram.Place(2).Rect().left, 50);
  EXPECT_EQ(diagram.Place(8).Rect().left, 400);
  int hit = -1;
  EXPECT_TRUE(diagram.HitTest(60, 5, &hit));
  EXPECT_EQ(hit, 2) << "a hidden place is never hit";
}

TEST_F(SendFormatTest, InsertPushesItemsToFollowingAcceptingPlaces) {
  ASSERT_TRUE(Insert(kKindData, 3, d1));
  ASSERT_TRUE(Insert(kKindData, 4, d2));
  EXPECT_TRUE(Insert(kKindData, 3, d3));
  EXPECT_EQ(diagram.GetBlockWnd(3), &d3);
  EXPECT_EQ(diagram.GetBlockWnd(4), &d1);
  EXPECT_EQ(diagram.GetBlockWnd(5), &d2);
  EXPECT_EQ(diagram.Place(5).AcceptedKinds(), kKindData);
}

TEST_F(SendFormatTest, InsertRefusesWrongKindAndFullRowLosingNothing) {
  EXPECT_FALSE(Insert(kKindData, 1, d1));
  EXPECT_FALSE(Insert(kKindData, 99, d1));
  FakeItem* items[] = {&d1, &d2, &d3, &d4, &d5};
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(Insert(kKindData, 3 + i, *items[i]));
  EXPECT_FALSE(Insert(kKindData, 3, d6));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(diagram.GetBlockWnd(3 + i), items[i]);
  EXPECT_EQ(diagram.FindWnd(&d6), -1);
}

TEST_F(SendFormatTest, RemoveClosesTheGapAndEmptiesTheLastPlace) {
  ASSERT_TRUE(Insert(kKindOption2, 0, opt));
  ASSERT_TRUE(Insert(kKindStart, 1, start));
  ASSERT_TRUE(Insert(kKindToggle, 2, toggle));
  ASSERT_TRUE(Insert(kKindData, 3, d1, RgbColour(1, 1, 1)));
  ASSERT_TRUE(diagram.InsertAt(kKindData, 4, &d2, RgbColour(2, 2, 2), true, true, true, false));
  EXPECT_EQ(diagram.RemoveAt(3, true), &d1);
  EXPECT_EQ(diagram.GetBlockWnd(3), &d2);
  EXPECT_EQ(diagram.Place(3).FillColour(), RgbColour(2, 2, 2));
  EXPECT_TRUE(diagram.Place(3).IsComplement());
  EXPECT_TRUE(diagram.Place(3).HasSuccessor());
  EXPECT_EQ(diagram.GetBlockWnd(4), nullptr);
  EXPECT_EQ(diagram.Place(4).FillColour(), RgbColour(224, 224, 224));
  EXPECT_EQ(diagram.GetBlockWnd(2), &toggle);
  EXPECT_EQ(diagram.RemoveAt(4, true), nullptr);
}

TEST_F(SendFormatTest, WalkGivesSendOrder) {
  ASSERT_TRUE(Insert(kKindData, 3, d1));
  ASSERT_TRUE(Insert(kKindData, 4, d2));
  std::vector<FrameItem*> order;
  ASSERT_TRUE(diagram.BeginBlocks());
  FrameItem* w = nullptr;
  bool more = true;
  while (more) {
    more = diagram.NextBlockWnd(&w);
    if (w) order.push_back(w);
  }
  EXPECT_EQ(order, (std::vector<FrameItem*>{&d1, &d2}));

  CSendFormat one;
  one.Layout(0, 0, 10, 10, 1, nullptr, true);
  EXPECT_FALSE(one.BeginBlocks());
}

TEST_F(SendFormatTest, MarkDropPlaces) {
  ASSERT_TRUE(Insert(kKindData, 3, d1));
  EXPECT_TRUE(diagram.MarkDropPlaces(kKindData, false, false));
  EXPECT_TRUE(diagram.Place(3).IsSelected());
  EXPECT_TRUE(diagram.Place(4).IsSelected());
  EXPECT_FALSE(diagram.Place(5).IsSelected());
  diagram.ClearMarks();
  EXPECT_FALSE(diagram.Place(3).IsSelected());

  FakeItem* items[] = {&d2, &d3, &d4, &d5};
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(Insert(kKindData, 4 + i, *items[i]));
  diagram.drop_place_found = true;
  EXPECT_FALSE(diagram.MarkDropPlaces(kKindData, false, false));
  EXPECT_FALSE(diagram.drop_place_found);
  EXPECT_FALSE(diagram.Place(3).IsSelected());
}

TEST_F(SendFormatTest, DropMarkerSitsUnderTheInsertionItem) {
  ASSERT_TRUE(Insert(kKindData, 3, d1));
  CSendFormat::Marker m{};
  diagram.insertion_item = &d1;
  EXPECT_FALSE(diagram.MarkerGeometry(&m));
  diagram.marker_shown = true;
  ASSERT_TRUE(diagram.MarkerGeometry(&m));
  EXPECT_EQ(m.apex_x, 175);
  EXPECT_EQ(m.apex_y, 20);
  EXPECT_EQ(m.base_y, 30);
  EXPECT_EQ(m.base_left, 170);
  EXPECT_EQ(m.base_right, 180);
}

TEST(SendFormatEx, OptionPlaceThenKind17PlacesWithOneSpecialWidth) {
  FakeItem opt("OPT"), d("D");
  CSendFormatEx ex;
  ex.special_index = 2;
  ex.special_width = 80;
  ex.Layout(0, 0, 20, 30, 4, nullptr, true);
  ASSERT_EQ(ex.PlaceCount(), 4);
  EXPECT_EQ(ex.Place(0).Kind(), 2);
  EXPECT_EQ(ex.Place(3).Kind(), 17);
  EXPECT_EQ(ex.Place(2).Rect().Width(), 80);
  EXPECT_EQ(ex.Place(3).Rect().left, 140);

  ASSERT_TRUE(ex.InsertAt(kKindOption2, 0, &opt, 0, false, false, false, false));
  ASSERT_TRUE(ex.InsertAt(kKindOption16, 1, &d, 0, false, false, false, false));
  ex.Layout(0, 0, 20, 30, 5, nullptr, false);
  EXPECT_EQ(ex.PlaceCount(), 5) << "a relayout adds the missing places";
  EXPECT_FALSE(ex.Place(0).IsVisible());
  EXPECT_EQ(ex.FindWnd(&opt), -1);
  EXPECT_EQ(ex.Place(1).Rect().left, 0);
  EXPECT_EQ(ex.GetBlockWnd(1), &d);
}
