// Grid geometry without a window: sizes through the column order, hit-testing,
// visible ranges, scroll bars and scrolling.
#include "controls/grid/GridGeometry.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

const wxSize kBars(15, 15);

// 10 rows of 20 px and 5 columns of 50 px, one fixed row and one fixed
// column, in a client area of 200 x 100 (before any bar).
class GeometryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    geometry.ResizeRows(10, 20);
    geometry.ResizeColumns(5, 50);
    geometry.SetFixedRowCount(1);
    geometry.SetFixedColumnCount(1);
    geometry.SetClientSize(wxSize(200, 100));
  }
  CGridGeometry geometry;
};

TEST_F(GeometryTest, SizesAreSummedAndWidthsGoThroughTheColumnOrder) {
  EXPECT_EQ(geometry.GetFixedRowHeight(), 20);
  EXPECT_EQ(geometry.GetFixedColumnWidth(), 50);
  EXPECT_EQ(geometry.GetVirtualHeight(), 200);
  EXPECT_EQ(geometry.GetVirtualWidth(), 250);
  EXPECT_EQ(geometry.GetRowHeight(10), -1);
  EXPECT_EQ(geometry.GetColumnWidth(-1), -1);
  EXPECT_FALSE(geometry.SetRowHeight(0, -1));
  EXPECT_FALSE(geometry.SetColumnWidth(5, 10));

  geometry.ColumnOrder() = {0, 2, 1, 3, 4};
  ASSERT_TRUE(geometry.SetColumnWidth(1, 70));  // the column shown at 1 is entry 2
  EXPECT_EQ(geometry.GetColumnWidth(1), 70);
  EXPECT_EQ(geometry.GetColumnWidth(2), 50);
  geometry.ColumnOrder() = {0, 1, 2, 3, 4};
  EXPECT_EQ(geometry.GetColumnWidth(2), 70);

  geometry.ColumnOrder() = {0, 2, 1, 3, 4};
  geometry.ResizeColumns(6, 40);  // any count change resets the order
  EXPECT_EQ(geometry.ColumnOrder(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(geometry.GetColumnWidth(5), 40);
}

TEST_F(GeometryTest, PointsMapToCells) {
  struct Case {
    wxPoint point;
    bool allowFixed;
    CCellID expected;
  };
  const Case cases[] = {
      {{10, 10}, true, {0, 0}},    {{49, 19}, true, {0, 0}},    {{50, 10}, true, {0, 1}},
      {{50, 20}, true, {1, 1}},    {{10, 45}, true, {2, 0}},    {{199, 99}, true, {4, 3}},
      {{249, 30}, true, {1, 4}},   {{250, 30}, true, {-1, -1}}, {{-1, 30}, true, {-1, -1}},
      {{60, 210}, true, {-1, -1}}, {{10, 45}, false, {-1, -1}}, {{60, 45}, false, {2, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(geometry.GetCellFromPt(c.point, c.allowFixed), c.expected)
        << "point " << c.point.x << "," << c.point.y << " allowFixed " << c.allowFixed;
  }
}

TEST_F(GeometryTest, VisibleRangesStopAtTheClientEdges) {
  GridRect rect;
  EXPECT_EQ(geometry.GetVisibleNonFixedCellRange(&rect), CellRange(1, 1, 4, 3));
  EXPECT_EQ(rect, GridRect(0, 0, 200, 100));
  EXPECT_EQ(geometry.GetVisibleFixedCellRange(&rect), CellRange(1, 0, 4, 0));
  EXPECT_EQ(rect, GridRect(0, 0, 50, 100));

  GridRect cell;
  ASSERT_TRUE(geometry.GetCellRect(2, 3, &cell));
  EXPECT_EQ(cell, GridRect(150, 40, 199, 59));
  EXPECT_TRUE(geometry.IsCellVisible(4, 3));
  EXPECT_FALSE(geometry.IsCellVisible(5, 1));
  EXPECT_TRUE(geometry.IsCellVisible(9, 0));  // fixed cells always count as visible
}

TEST_F(GeometryTest, ScrollBarsFollowTheContent) {
  const GridScrollBarPlan plan = geometry.PlanScrollBars(wxSize(200, 100), kBars);
  EXPECT_TRUE(plan.vertShown);
  EXPECT_TRUE(plan.horzShown);
  EXPECT_EQ(plan.vertMax, 179);
  EXPECT_EQ(plan.horzMax, 199);
  EXPECT_EQ(plan.vertPage, 100 - 15 - 20);
  EXPECT_EQ(plan.horzPage, 200 - 15 - 50);
  EXPECT_EQ(geometry.GetClientSize(), wxSize(185, 85));

  const GridScrollBarPlan roomy = geometry.PlanScrollBars(wxSize(400, 400), kBars);
  EXPECT_FALSE(roomy.vertShown);
  EXPECT_FALSE(roomy.horzShown);
  EXPECT_EQ(roomy.vertMax, 0);
  EXPECT_EQ(roomy.horzPage, 0);

  const GridScrollBarPlan cramped = geometry.PlanScrollBars(wxSize(40, 100), kBars);
  EXPECT_TRUE(cramped.areaEmpty);
  EXPECT_FALSE(geometry.IsScrollBarShown(true));
}

// The rows fit until the horizontal bar takes its height; the vertical bar
// that then appears must narrow the horizontal range too, or the last
// pixels of the last column could never be scrolled into view.
TEST_F(GeometryTest, AVerticalBarNeededOnlyBecauseOfTheHorizontalOneNarrowsTheArea) {
  geometry.ResizeRows(4, 20);  // 60 px of rows below the fixed row
  const GridScrollBarPlan plan = geometry.PlanScrollBars(wxSize(200, 90), kBars);
  ASSERT_TRUE(plan.horzShown);
  ASSERT_TRUE(plan.vertShown);
  EXPECT_EQ(plan.horzPage, 200 - 15 - 50);
  EXPECT_EQ(geometry.GetClientSize(), wxSize(185, 75));

  geometry.Scroll(false, GridScrollCode::Bottom);
  GridRect last;
  ASSERT_TRUE(geometry.GetCellRect(1, 4, &last));
  EXPECT_LE(last.right, geometry.GetClientSize().x - 1);
}

TEST_F(GeometryTest, ScrollingMovesTheNonFixedCellsOnly) {
  geometry.PlanScrollBars(wxSize(200, 100), kBars);
  EXPECT_EQ(geometry.Scroll(true, GridScrollCode::LineDown), GridRepaint::ScrollArea);
  EXPECT_EQ(geometry.GetScrollPos(true), 20);
  EXPECT_EQ(geometry.GetTopleftNonFixedCell(), CCellID(2, 1));
  EXPECT_EQ(geometry.GetCellFromPt(wxPoint(10, 10)), CCellID(0, 0));
  EXPECT_EQ(geometry.GetCellFromPt(wxPoint(60, 10)), CCellID(0, 1));
  EXPECT_EQ(geometry.GetCellFromPt(wxPoint(60, 25)), CCellID(2, 1));
  EXPECT_EQ(geometry.GetCellFromPt(wxPoint(10, 25)), CCellID(2, 0));
  EXPECT_FALSE(geometry.IsCellVisible(1, 1));

  geometry.Scroll(false, GridScrollCode::ThumbTrack, 100);
  EXPECT_EQ(geometry.GetTopleftNonFixedCell(), CCellID(2, 3));
  EXPECT_EQ(geometry.GetCellFromPt(wxPoint(60, 25)), CCellID(2, 3));
  EXPECT_EQ(geometry.GetCellFromPt(wxPoint(10, 10)), CCellID(0, 0));

  EXPECT_EQ(geometry.Scroll(true, GridScrollCode::LineUp), GridRepaint::ScrollArea);
  EXPECT_EQ(geometry.GetScrollPos(true), 0);
  EXPECT_EQ(geometry.Scroll(true, GridScrollCode::LineUp), GridRepaint::None);

  // A thumb move within one row changes no cell and repaints nothing.
  EXPECT_EQ(geometry.Scroll(false, GridScrollCode::ThumbTrack, 99), GridRepaint::None);
}

TEST_F(GeometryTest, PageAndEndStepsStayWithinTheBarRange) {
  geometry.PlanScrollBars(wxSize(200, 100), kBars);
  const int largest = geometry.GetScrollMax(true) - geometry.GetScrollPage(true) + 1;  // 180 - 65
  geometry.Scroll(true, GridScrollCode::PageDown);
  EXPECT_EQ(geometry.GetScrollPos(true), 65);
  geometry.Scroll(true, GridScrollCode::PageDown);
  EXPECT_EQ(geometry.GetScrollPos(true), largest);
  EXPECT_EQ(geometry.Scroll(true, GridScrollCode::LineDown), GridRepaint::None);
  // At the end the last row is wholly inside the client area.
  GridRect last;
  ASSERT_TRUE(geometry.GetCellRect(9, 1, &last));
  EXPECT_LE(last.bottom, geometry.GetClientSize().y - 1);

  geometry.Scroll(true, GridScrollCode::PageUp);
  EXPECT_EQ(geometry.GetScrollPos(true), largest - 65);
  EXPECT_EQ(geometry.Scroll(true, GridScrollCode::Top), GridRepaint::Whole);
  EXPECT_EQ(geometry.GetScrollPos(true), 0);
  geometry.Scroll(true, GridScrollCode::Bottom);
  EXPECT_EQ(geometry.GetScrollPos(true), largest);
  geometry.Scroll(true, GridScrollCode::ThumbTrack, 100000);
  EXPECT_EQ(geometry.GetScrollPos(true), largest);
}

TEST_F(GeometryTest, HiddenRowsAreSkippedByLineStepsAndHitTests) {
  geometry.SetRowHeight(1, 0);
  geometry.SetRowHeight(2, 0);
  geometry.PlanScrollBars(wxSize(200, 100), kBars);
  EXPECT_EQ(geometry.GetCellFromPt(wxPoint(60, 25)), CCellID(3, 1));
  geometry.Scroll(true, GridScrollCode::LineDown);
  EXPECT_EQ(geometry.GetScrollPos(true), 20);  // the height of row 3, not 0
  EXPECT_EQ(geometry.GetTopleftNonFixedCell().row, 4);
}

TEST_F(GeometryTest, EnsureVisibleBringsTheCellIntoView) {
  geometry.PlanScrollBars(wxSize(200, 100), kBars);
  EXPECT_TRUE(geometry.EnsureVisible(9, 4));
  EXPECT_TRUE(geometry.IsCellVisible(9, 4));
  GridRect rect;
  ASSERT_TRUE(geometry.GetCellRect(9, 4, &rect));
  EXPECT_LE(rect.right, geometry.GetClientSize().x - 1);
  EXPECT_LE(rect.bottom, geometry.GetClientSize().y - 1);

  EXPECT_TRUE(geometry.EnsureVisible(1, 1));
  EXPECT_EQ(geometry.GetTopleftNonFixedCell(), CCellID(1, 1));
  EXPECT_FALSE(geometry.EnsureVisible(1, 1));
}

// A cell wider than the client area can never lie wholly inside it: the
// grid scrolls as far as it can and stops.
TEST_F(GeometryTest, EnsureVisibleEndsForACellWiderThanTheView) {
  geometry.SetColumnWidth(4, 1000);
  geometry.PlanScrollBars(wxSize(200, 100), kBars);
  geometry.EnsureVisible(3, 4);
  EXPECT_EQ(geometry.GetTopleftNonFixedCell().col, 4);
}

// When the toolkit's client area is smaller than the bars were planned for,
// the last row cannot be scrolled wholly into view: the grid stops at the end.
TEST_F(GeometryTest, EnsureVisibleEndsWhenTheBarsCannotReachTheCell) {
  geometry.PlanScrollBars(wxSize(200, 100), kBars);
  geometry.SetClientSize(wxSize(185, 60));
  EXPECT_TRUE(geometry.EnsureVisible(9, 1));
  EXPECT_EQ(geometry.GetScrollPos(true), geometry.GetScrollMax(true) - geometry.GetScrollPage(true) + 1);
}

TEST_F(GeometryTest, RowOrderStaysAPermutation) {
  geometry.ResizeRows(12, 20);  // new rows map to themselves
  std::vector<int> identity(12);
  std::iota(identity.begin(), identity.end(), 0);
  EXPECT_EQ(geometry.RowOrder(), identity);

  geometry.RowOrder() = {0, 2, 1, 3};
  geometry.ShiftRowOrder(1, 1);
  EXPECT_EQ(geometry.RowOrder(), (std::vector<int>{0, 1, 3, 2, 4}));
  geometry.ShiftRowOrder(2, -1);
  EXPECT_EQ(geometry.RowOrder(), (std::vector<int>{0, 1, 2, 3}));
}

TEST(GeometryEmptyTest, AnEmptyGridHasNoCellsAndNoBars) {
  CGridGeometry geometry;
  geometry.SetClientSize(wxSize(100, 100));
  EXPECT_FALSE(geometry.GetVisibleNonFixedCellRange().IsValid());
  EXPECT_EQ(geometry.GetCellFromPt(wxPoint(5, 5)), CCellID());
  const GridScrollBarPlan plan = geometry.PlanScrollBars(wxSize(100, 100), kBars);
  EXPECT_FALSE(plan.horzShown);
  EXPECT_FALSE(plan.vertShown);
}

TEST(CellValueTest, PositionsAndRanges) {
  EXPECT_EQ(CCellID(1, 2), CCellID(1, 2));
  EXPECT_NE(CCellID(1, 2), CCellID(2, 1));
  EXPECT_FALSE(CCellID().IsValid());
  EXPECT_FALSE(CellRange().IsValid());
  EXPECT_FALSE(CellRange(2, 0, 1, 0).IsValid());
  EXPECT_TRUE(CellRange(0, 0, 0, 0).IsValid());
  const CellRange range(1, 1, 3, 2);
  EXPECT_TRUE(range.InRange(1, 1));
  EXPECT_TRUE(range.InRange(CCellID(3, 2)));
  EXPECT_FALSE(range.InRange(4, 2));
  EXPECT_FALSE(range.InRange(2, 0));
  EXPECT_NE(GridCellKey(4, 1), GridCellKey(65540, 1));
}

}  // namespace
