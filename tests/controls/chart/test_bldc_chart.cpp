// The wave chart: zoom history through reversed drags, pan buttons, the IR wave picture.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include <wx/filename.h>

#include "ChartTestSupport.h"
#include "controls/chart/BLDCChartCtrl.h"
#include "controls/chart/ChartScrollBar.h"
#include "controls/chart/ChartSeries.h"

using namespace charttest;

namespace {

constexpr double kLow = 3.0;
constexpr double kHigh = 8.0;

// Periods of (duration in us, high level).
using Periods = std::vector<std::pair<double, bool>>;

// An NEC-style frame: leader, eight bits of 0xA5, stop bit.
Periods NecFrame() {
  Periods periods = {{9000, true}, {4500, false}};
  for (int bit = 0; bit < 8; ++bit) {
    periods.push_back({560, true});
    periods.push_back({(0xA5 >> bit) & 1 ? 1690.0 : 560.0, false});
  }
  periods.push_back({560, true});
  return periods;
}

// Sets the chart up as the decode page does and draws the wave; returns its length.
double ShowWave(CBLDCChartCtrl* chart, const Periods& periods) {
  chart->SetBackColor(0xFFFFFF);
  chart->SetEdgeType(0);
  chart->SetZoomRectColor(0x0000FF);
  CChartAxis* bottom = chart->CreateStandardAxis(kAxisBottom);
  bottom->GetLabel()->SetText("Time(us)");
  bottom->SetAxisColor(0xB0B257);
  bottom->SetTextColor(0);
  bottom->GetGrid()->SetVisible(false);
  bottom->SetAutoHideScrollBar(true);
  bottom->EnableScrollBar(false);
  CChartAxis* left = chart->CreateStandardAxis(kAxisLeft);
  left->SetMinMax(0, 20);
  left->SetAxisColor(0xB0B257);
  left->SetTextColor(0xFFFFFF);
  CChartLineSeries* series = chart->CreateLineSeries();
  series->SetWidth(2);
  series->SetPenStyle(0);
  series->SetName(" ");
  series->SetColor(0xD77800);
  series->ShowMarkedTimes(true);

  chart->EnableRefresh(false);
  double t = 0;
  series->AddPoint(0, kLow);  // the wave starts with a rising edge
  for (const auto& [duration, high] : periods) {
    series->AddPoint(t, high ? kHigh : kLow);
    series->AddPoint(t + duration, high ? kHigh : kLow);
    t += duration;
  }
  bottom->SetMinMax(0, t);
  chart->EnableRefresh(true);
  return t;
}

// Pulses of 1 us: their labels never fit, so zooming in is always allowed.
Periods FinePulses() {
  Periods periods;
  for (int i = 0; i < 100; ++i) periods.push_back({1, i % 2 == 0});
  return periods;
}

class WaveChartTest : public ::testing::Test {
 protected:
  void SetUp() override { chart = window.AddChart<CBLDCChartCtrl>(); }

  // A drag across the plotting area from fraction a to fraction b of its width.
  void DragAcross(double a, double b) {
    const ChartRect& plot = chart->GetPlottingRect();
    const int y1 = plot.top + 20;
    const int y2 = plot.bottom - 20;
    const wxPoint from(plot.left + static_cast<int>(a * plot.Width()), a < b ? y1 : y2);
    const wxPoint to(plot.left + static_cast<int>(b * plot.Width()), a < b ? y2 : y1);
    Drag(chart, from, to);
  }

  std::pair<double, double> BottomRange() const {
    return {chart->GetBottomAxis()->GetMinimum(), chart->GetBottomAxis()->GetMaximum()};
  }

  ChartFrame window;
  CBLDCChartCtrl* chart = nullptr;
};

}  // namespace

TEST_F(WaveChartTest, ReversedDragsStepBackThroughEveryZoom) {
  ShowWave(chart, FinePulses());
  std::vector<std::pair<double, double>> before;
  for (int i = 0; i < 3; ++i) {
    before.push_back(BottomRange());
    DragAcross(0.2, 0.7);
    EXPECT_LT(BottomRange().second - BottomRange().first, before.back().second - before.back().first);
  }
  for (int i = 2; i >= 0; --i) {
    DragAcross(0.7, 0.2);
    EXPECT_DOUBLE_EQ(BottomRange().first, before[i].first) << i;
    EXPECT_DOUBLE_EQ(BottomRange().second, before[i].second) << i;
  }
  // With the history empty a reversed drag returns to the range of the first release.
  DragAcross(0.3, 0.6);
  chart->GetBottomAxis()->SetUndoZoomMinMax(1, 2);
  DragAcross(0.7, 0.2);
  DragAcross(0.7, 0.2);
  EXPECT_DOUBLE_EQ(BottomRange().first, before[0].first);
  EXPECT_DOUBLE_EQ(BottomRange().second, before[0].second);
}

TEST_F(WaveChartTest, AClickPushesAStepWithoutZoomingAndTheNextReversedDragKeepsTheRange) {
  ShowWave(chart, FinePulses());
  DragAcross(0.1, 0.9);
  const auto zoomed = BottomRange();
  const wxPoint point = PixelOf(chart, (zoomed.first + zoomed.second) / 2, 5);
  Press(chart, point);
  Release(chart, point);
  EXPECT_EQ(BottomRange(), zoomed);
  EXPECT_EQ(chart->GetZoomHistory().Steps().size(), 2u);
  DragAcross(0.8, 0.3);
  EXPECT_EQ(BottomRange(), zoomed);
  EXPECT_EQ(chart->GetZoomHistory().Steps().size(), 1u);
}

TEST_F(WaveChartTest, ZoomingInStopsOnceEveryLabelFitsAndTheDragEndsCleanly) {
  const double length = ShowWave(chart, {{100, true}, {100, false}, {100, true}});
  DragAcross(0.2, 0.7);
  EXPECT_DOUBLE_EQ(BottomRange().first, 0);
  EXPECT_DOUBLE_EQ(BottomRange().second, length);
  EXPECT_TRUE(chart->GetZoomHistory().Steps().empty());
  EXPECT_FALSE(chart->IsLeftButtonDown()) << "the zoom outline no longer follows the mouse";
  EXPECT_FALSE(chart->HasCapture());
  const ChartRect before = chart->GetZoomRect();
  Move(chart, wxPoint(50, 50));
  EXPECT_EQ(chart->GetZoomRect(), before);
}

TEST_F(WaveChartTest, PageButtonsZoomInAndStepBack) {
  ShowWave(chart, FinePulses());
  const wxSize size = chart->GetClientSize();
  chart->SetZoomRect({60, 0, size.x - 60, size.y});
  chart->OnLeftButtonUp(wxPoint(size.x - 60, size.y));
  EXPECT_GT(BottomRange().first, 0);
  EXPECT_LT(BottomRange().second, 100);
  const int middle = size.x / 2;
  chart->SetZoomRect({middle + 60, 0, middle - 60, size.y});
  chart->OnLeftButtonUp(wxPoint(middle + 60, 0));
  EXPECT_DOUBLE_EQ(BottomRange().first, 0);
  EXPECT_DOUBLE_EQ(BottomRange().second, 100);
}

TEST_F(WaveChartTest, PanMovesTheHorizontalRangeByThePixelDistance) {
  ShowWave(chart, FinePulses());
  DragAcross(0.2, 0.5);
  const auto zoomed = BottomRange();
  const double leftMinimum = chart->GetLeftAxis()->GetMinimum();
  CChartAxis* bottom = chart->GetBottomAxis();
  const double shift = bottom->ScreenToValue(30) - bottom->ScreenToValue(0);
  chart->Pan(30, 0, 0, 0);
  EXPECT_NEAR(BottomRange().first, zoomed.first + shift, 1e-9);
  EXPECT_NEAR(BottomRange().second, zoomed.second + shift, 1e-9);
  EXPECT_DOUBLE_EQ(chart->GetLeftAxis()->GetMinimum(), leftMinimum) << "no vertical move";
  chart->Pan(0, 0, 30, 0);
  EXPECT_NEAR(BottomRange().first, zoomed.first, 1e-9);
}

TEST_F(WaveChartTest, PanWithEqualPointsOnlyUpdatesScrollBarVisibility) {
  ShowWave(chart, FinePulses());
  CChartAxis* bottom = chart->GetBottomAxis();
  bottom->EnableScrollBar(true);
  CChartScrollBar* bar = bottom->GetScrollBar();
  ASSERT_TRUE(bar->IsShown());
  const auto range = BottomRange();
  chart->Pan(100, 100, 100, 100);
  EXPECT_FALSE(bar->IsShown());
  const wxPoint over = bar->GetRect().GetPosition() + wxPoint(10, 2);
  chart->Pan(over.x, over.y, over.x, over.y);
  EXPECT_TRUE(bar->IsShown());
  EXPECT_EQ(BottomRange(), range);
}

TEST_F(WaveChartTest, ClearingTheHistoryForgetsTheStartingRange) {
  ShowWave(chart, FinePulses());
  DragAcross(0.2, 0.5);
  chart->ClearZoomHistory();
  chart->GetBottomAxis()->SetMinMax(0, 50);  // the next wave
  DragAcross(0.2, 0.5);
  DragAcross(0.5, 0.2);
  DragAcross(0.5, 0.2);
  EXPECT_DOUBLE_EQ(BottomRange().first, 0);
  EXPECT_DOUBLE_EQ(BottomRange().second, 50) << "not the range of the previous wave";
}

TEST_F(WaveChartTest, IrWaveScreenshots) {
  const double length = ShowWave(chart, NecFrame());
  CChartLineSeries* series = static_cast<CChartLineSeries*>(chart->GetFirstSeries());
  const wxString full = SaveScreenshot(chart, "chart_ir_wave");
  EXPECT_TRUE(wxFileName::FileExists(full));
  EXPECT_TRUE(series->HasHiddenMarkedTime(chart->GetDC()));

  // Zoom onto the first bits through the mouse: their labels appear.
  const wxPoint from = PixelOf(chart, 12500, 18);
  const wxPoint to = PixelOf(chart, 21000, 1);
  Drag(chart, from, to);
  EXPECT_LT(BottomRange().second - BottomRange().first, length / 3);
  SaveScreenshot(chart, "chart_ir_wave_zoomed");

  // The outline of a drag in progress is painted over the bitmap.
  Press(chart, PixelOf(chart, 14000, 15));
  Move(chart, PixelOf(chart, 17000, 2), true);
  chart->Update();
  EXPECT_TRUE(chart->IsLeftButtonDown());
  Release(chart, PixelOf(chart, 17000, 2));
}
