// Axes, series and scroll bars inside a live chart.
#include <gtest/gtest.h>

#include <wx/scrolbar.h>

#include "ChartTestSupport.h"
#include "controls/chart/ChartScrollBar.h"
#include "controls/chart/ChartSeries.h"

using namespace charttest;

namespace {

class ChartPartsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    chart = window.AddChart<CChartCtrl>();
    AddStandardAxes(chart);
    bottom = chart->GetBottomAxis();
    bar = bottom->GetScrollBar();
  }

  // A scroll notification as the scroll bar sends it to the chart.
  void SendScroll(wxEventType type, int position = 0) {
    wxScrollEvent event(type, bar->GetId(), position, wxHORIZONTAL);
    event.SetEventObject(bar);
    bar->GetEventHandler()->ProcessEvent(event);
  }

  ChartFrame window;
  CChartCtrl* chart = nullptr;
  CChartAxis* bottom = nullptr;
  CChartScrollBar* bar = nullptr;
};

bool IsNear(const wxImage& image, int x, int y, const wxColour& colour) {
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      if (image.GetRed(x + dx, y + dy) == colour.Red() && image.GetGreen(x + dx, y + dy) == colour.Green() &&
          image.GetBlue(x + dx, y + dy) == colour.Blue()) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

TEST_F(ChartPartsTest, TicksFollowTheAxisStepsAndSitOnTheirValues) {
  auto* axis = static_cast<CChartStandardAxis*>(bottom);
  const double increment = axis->GetTickIncrement();
  ASSERT_GT(increment, 0);
  const auto& ticks = axis->GetGrid()->GetTicks();
  ASSERT_GE(ticks.size(), 5u);
  int index = 0;
  for (int tick : ticks) EXPECT_EQ(tick, axis->ValueToScreen(index++ * increment));
  EXPECT_LE(increment * (ticks.size() - 1), 100);
  EXPECT_GT(increment * ticks.size(), 100);

  axis->SetMinMax(-7, 93);
  axis->SetTickIncrement(false, 5);
  EXPECT_EQ(axis->GetGrid()->GetTicks().front(), axis->ValueToScreen(-5));
}

TEST_F(ChartPartsTest, SeriesIsDrawnIntoTheBitmapIncrementallyAndInFull) {
  CChartLineSeries* series = chart->CreateLineSeries();
  series->SetColor(0x00FF00);
  series->SetWidth(3);
  series->AddPoint(10, 5);
  series->AddPoint(90, 5);  // drawn as a new segment, without a full redraw
  const wxPoint middle = PixelOf(chart, 50, 5);
  EXPECT_TRUE(IsNear(Snapshot(chart), middle.x, middle.y, *wxGREEN));
  series->SetVisible(false);
  chart->RefreshCtrl();
  EXPECT_FALSE(IsNear(Snapshot(chart), middle.x, middle.y, *wxGREEN));
}

TEST_F(ChartPartsTest, AutomaticAxesFollowThePointsAndClearingResetsThem) {
  bottom->SetAutomaticMode(kAutoFull);
  chart->GetLeftAxis()->SetAutomaticMode(kAutoFull);
  CChartLineSeries* series = chart->CreateLineSeries();
  series->AddPoint(5, 2);
  series->AddPoint(250, -3);
  EXPECT_DOUBLE_EQ(bottom->GetMinimum(), 5);
  EXPECT_DOUBLE_EQ(bottom->GetMaximum(), 250);
  EXPECT_DOUBLE_EQ(chart->GetLeftAxis()->GetMinimum(), -3);
  series->ClearSeries();
  EXPECT_EQ(series->GetPointsCount(), 0u);
  EXPECT_DOUBLE_EQ(bottom->GetMaximum(), 0);
}

TEST_F(ChartPartsTest, PointHitTestFindsTheSegmentUnderTheMouse) {
  CChartLineSeries* series = chart->CreateLineSeries();
  series->AddPoint(10, 2);
  series->AddPoint(50, 2);
  series->AddPoint(90, 8);
  unsigned index = 99;
  const wxPoint onFirst = PixelOf(chart, 30, 2) + wxPoint(0, 2);
  ASSERT_TRUE(series->IsPointOnSeries({onFirst.x, onFirst.y}, index));
  EXPECT_EQ(index, 0u);
  const wxPoint away = PixelOf(chart, 30, 6);
  EXPECT_FALSE(series->IsPointOnSeries({away.x, away.y}, index));
}

TEST_F(ChartPartsTest, AutoHidingScrollBarShowsOnlyUnderTheMouseWhileEnabled) {
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(bar->IsShown());
  const wxPoint over = bar->GetRect().GetPosition() + wxPoint(20, bar->GetSize().y / 2);
  const wxPoint elsewhere = PixelOf(chart, 50, 8);

  Move(chart, over);
  EXPECT_FALSE(bar->IsShown()) << "a disabled scroll bar never appears";

  bottom->EnableScrollBar(true);
  bottom->SetAutoHideScrollBar(true);
  EXPECT_TRUE(bar->IsShown()) << "enabling shows it at once";
  Move(chart, elsewhere);
  EXPECT_FALSE(bar->IsShown());
  Move(chart, over);
  EXPECT_TRUE(bar->IsShown());

  bottom->SetAutoHideScrollBar(false);
  Move(chart, elsewhere);
  EXPECT_TRUE(bar->IsShown()) << "a scroll bar that does not auto-hide stays";
  bottom->EnableScrollBar(false);
  EXPECT_FALSE(bar->IsShown());
}

TEST_F(ChartPartsTest, ScrollBarScrollsTheZoomedRangeStepByStep) {
  CChartLineSeries* series = chart->CreateLineSeries();
  series->AddPoint(0, 1);
  series->AddPoint(100, 1);
  Drag(chart, PixelOf(chart, 0, 9), PixelOf(chart, 20, 1));
  const double span = bottom->GetMaximum() - bottom->GetMinimum();
  const double start = bottom->GetMinimum();
  ASSERT_NEAR(span, 20, 0.5);
  EXPECT_EQ(bar->GetThumbPosition(), bar->GetScrollPosition());

  // Each position is a tenth of the visible span.
  SendScroll(wxEVT_SCROLL_LINEDOWN);
  EXPECT_NEAR(bottom->GetMinimum(), start + span / 10, 1e-9);
  int position = bar->GetScrollPosition();
  double minimum = bottom->GetMinimum();
  SendScroll(wxEVT_SCROLL_PAGEUP);
  EXPECT_NEAR(bottom->GetMinimum(), minimum - position * span / 10, 1e-9) << "page up stops at the top";

  position = bar->GetScrollPosition();
  minimum = bottom->GetMinimum();
  SendScroll(wxEVT_SCROLL_THUMBTRACK, 30);
  EXPECT_NEAR(bottom->GetMinimum(), minimum + (30 - position) * span / 10, 1e-9);
  EXPECT_NEAR(bar->GetScrollPosition(), 30, 1);
  EXPECT_EQ(bar->GetThumbPosition(), bar->GetScrollPosition());

  const double before = bottom->GetMinimum();
  SendScroll(wxEVT_SCROLL_CHANGED);
  EXPECT_DOUBLE_EQ(bottom->GetMinimum(), before) << "the end of a scroll moves nothing";

  SendScroll(wxEVT_SCROLL_BOTTOM);
  const int last = bar->GetScrollPosition();
  EXPECT_EQ(last, bar->GetScrollSteps() - 10);
  const double atEnd = bottom->GetMinimum();
  EXPECT_LE(atEnd + span, 100 + span / 10 + 1e-9) << "the end of the wave stays in view";
  SendScroll(wxEVT_SCROLL_LINEDOWN);
  EXPECT_DOUBLE_EQ(bottom->GetMinimum(), atEnd) << "no step past the last position";
}

TEST_F(ChartPartsTest, MarkedTimesAppearOnlyWhereTheyFit) {
  CChartLineSeries* series = chart->CreateLineSeries();
  series->ShowMarkedTimes(true);
  const double edges[] = {0, 10, 30, 35};
  for (int i = 0; i < 4; ++i) {
    series->AddPoint(edges[i], i % 2 == 0 ? 0 : 1);
    series->AddPoint(edges[i], i % 2 == 0 ? 1 : 0);
  }
  chart->GetLeftAxis()->SetMinMax(-1, 2);
  bottom->SetMinMax(0, 2000);  // every period a few pixels wide
  EXPECT_TRUE(series->HasHiddenMarkedTime(chart->GetDC()));
  bottom->SetMinMax(0, 36);
  EXPECT_FALSE(series->HasHiddenMarkedTime(chart->GetDC()));
}
