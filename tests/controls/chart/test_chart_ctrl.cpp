// The chart window: zoom and pan through mouse input, redraw batching, layout, printing.
#include <gtest/gtest.h>

#include <wx/filename.h>
#include <wx/generic/printps.h>
#include <wx/print.h>

#include "ChartTestSupport.h"
#include "TempDir.h"
#include "controls/chart/ChartLegend.h"
#include "controls/chart/ChartSeries.h"
#include "controls/chart/ChartTitle.h"

using namespace charttest;

namespace {

class ChartCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    chart = window.AddChart<CChartCtrl>();
    AddStandardAxes(chart);
  }

  void ExpectRange(CChartAxis* axis, double minimum, double maximum, double tolerance) {
    EXPECT_NEAR(axis->GetMinimum(), minimum, tolerance);
    EXPECT_NEAR(axis->GetMaximum(), maximum, tolerance);
  }

  ChartFrame window;
  CChartCtrl* chart = nullptr;
};

// Counts the redraws of the bitmap.
class CountingChart : public CChartCtrl {
 public:
  using CChartCtrl::CChartCtrl;
  void DrawChart(wxDC& dc, ChartRect rect) override {
    ++draws;
    CChartCtrl::DrawChart(dc, rect);
  }
  int draws = 0;
};

}  // namespace

TEST_F(ChartCtrlTest, DragDownAndRightZoomsEveryAxisToTheRectangle) {
  Drag(chart, PixelOf(chart, 20, 8), PixelOf(chart, 60, 2));
  // One pixel is about 0.15 on the bottom axis and 0.03 on the left axis.
  ExpectRange(chart->GetBottomAxis(), 20, 60, 0.3);
  ExpectRange(chart->GetLeftAxis(), 2, 8, 0.06);
  EXPECT_FALSE(chart->IsLeftButtonDown());
  EXPECT_FALSE(chart->HasCapture());
}

TEST_F(ChartCtrlTest, DragUpOrLeftUndoesEveryZoomAndPan) {
  Drag(chart, PixelOf(chart, 20, 8), PixelOf(chart, 60, 2));
  Drag(chart, PixelOf(chart, 30, 5), PixelOf(chart, 40, 5), true);  // pan
  Drag(chart, PixelOf(chart, 30, 5), PixelOf(chart, 35, 6));
  for (const wxPoint& end : {wxPoint(100, 400), wxPoint(600, 100), wxPoint(100, 100)}) {
    Drag(chart, wxPoint(300, 300), end);
    ExpectRange(chart->GetBottomAxis(), 0, 100, 0);
    ExpectRange(chart->GetLeftAxis(), 0, 10, 0);
    Drag(chart, PixelOf(chart, 20, 8), PixelOf(chart, 60, 2));
  }
}

TEST_F(ChartCtrlTest, ClickOrOneDimensionalDragChangesNothing) {
  const wxPoint start = PixelOf(chart, 50, 5);
  for (const wxPoint& end : {start, start + wxPoint(120, 0), start + wxPoint(0, 80)}) {
    Drag(chart, start, end);
    ExpectRange(chart->GetBottomAxis(), 0, 100, 0);
    ExpectRange(chart->GetLeftAxis(), 0, 10, 0);
  }
}

TEST_F(ChartCtrlTest, RightDragPansEveryAxisEvenWithZoomingOff) {
  chart->SetZoomEnabled(false);
  const wxPoint from = PixelOf(chart, 50, 5);
  const wxPoint to = PixelOf(chart, 40, 4);
  Drag(chart, from, to, true);
  ExpectRange(chart->GetBottomAxis(), 10, 110, 0.3);
  ExpectRange(chart->GetLeftAxis(), 1, 11, 0.06);
  EXPECT_FALSE(chart->IsRightButtonDown());

  // A left drag neither zooms nor draws a rectangle now.
  const double minimum = chart->GetBottomAxis()->GetMinimum();
  Drag(chart, PixelOf(chart, 30, 8), PixelOf(chart, 60, 3));
  EXPECT_DOUBLE_EQ(chart->GetBottomAxis()->GetMinimum(), minimum);
}

TEST_F(ChartCtrlTest, PanningOffOrAStillMouseLeavesTheRangeAlone) {
  const wxPoint point = PixelOf(chart, 50, 5);
  Press(chart, point, true);
  Move(chart, point, false, true);
  Release(chart, point, true);
  ExpectRange(chart->GetBottomAxis(), 0, 100, 0);

  chart->SetPanEnabled(false);
  Drag(chart, point, point + wxPoint(-100, 50), true);
  ExpectRange(chart->GetBottomAxis(), 0, 100, 0);
  ExpectRange(chart->GetLeftAxis(), 0, 10, 0);
}

TEST_F(ChartCtrlTest, AxisWithoutARangeRefusesZoomAndPanButStillDraws) {
  chart->GetLeftAxis()->SetMinMax(5, 5);
  Drag(chart, PixelOf(chart, 20, 5) + wxPoint(0, -40), PixelOf(chart, 60, 5) + wxPoint(0, 40));
  ExpectRange(chart->GetLeftAxis(), 5, 5, 0);
  ExpectRange(chart->GetBottomAxis(), 20, 60, 0.3);
  Drag(chart, wxPoint(300, 200), wxPoint(250, 260), true);
  ExpectRange(chart->GetLeftAxis(), 5, 5, 0);
  // One tick, in the middle of the axis.
  const auto& ticks = chart->GetLeftAxis()->GetGrid()->GetTicks();
  ASSERT_EQ(ticks.size(), 1u);
  const ChartRect& plot = chart->GetPlottingRect();
  EXPECT_NEAR(ticks.front(), (plot.top + plot.bottom) / 2, 1);
}

TEST_F(ChartCtrlTest, NarrowZoomRectangleGetsTheAxisZoomLimit) {
  chart->GetBottomAxis()->SetZoomLimit(5);
  const wxPoint left = PixelOf(chart, 40, 8);
  Drag(chart, left, left + wxPoint(4, 200));
  EXPECT_NEAR(chart->GetBottomAxis()->GetMinimum(), 40, 0.3);
  EXPECT_DOUBLE_EQ(chart->GetBottomAxis()->GetMaximum() - chart->GetBottomAxis()->GetMinimum(), 5);
}

TEST_F(ChartCtrlTest, InvertedAxisZoomsToTheSameValues) {
  chart->GetBottomAxis()->SetInverted(true);
  const wxPoint a = PixelOf(chart, 70, 8);
  const wxPoint b = PixelOf(chart, 30, 2);
  ASSERT_LT(a.x, b.x);
  Drag(chart, a, b);
  ExpectRange(chart->GetBottomAxis(), 30, 70, 0.3);
}

TEST_F(ChartCtrlTest, SeriesColoursCycleThroughTheTenDefaults) {
  std::vector<CChartLineSeries*> series;
  for (int i = 0; i < 11; ++i) series.push_back(chart->CreateLineSeries());
  for (int i = 0; i < 10; ++i) EXPECT_EQ(series[i]->GetColor(), CChartCtrl::kDefaultSeriesColors[i]);
  EXPECT_EQ(series[10]->GetColor(), 0x0000FFu);
  // The series come back in creation order.
  CChartSeries* walked = chart->GetFirstSeries();
  for (int i = 0; i < 11; ++i, walked = chart->GetNextSeries()) EXPECT_EQ(walked, series[i]);
  EXPECT_EQ(walked, nullptr);
}

TEST(ChartRefresh, ABatchOfChangesRedrawsOnceWhenRefreshResumes) {
  ChartFrame window;
  auto* chart = window.AddChart<CountingChart>();
  AddStandardAxes(chart);
  chart->draws = 0;
  chart->EnableRefresh(false);
  chart->EnableRefresh(false);
  chart->GetBottomAxis()->SetMinMax(0, 50);
  chart->GetLeftAxis()->SetAxisColor(0x00FF00);
  chart->SetBackColor(0xFFFFFF);
  chart->RefreshCtrl();
  chart->EnableRefresh(true);
  EXPECT_EQ(chart->draws, 0) << "still suspended by the outer call";
  chart->EnableRefresh(true);
  EXPECT_EQ(chart->draws, 1);
  chart->EnableRefresh(false);
  chart->EnableRefresh(true);
  EXPECT_EQ(chart->draws, 1) << "nothing pending, nothing drawn";
}

TEST_F(ChartCtrlTest, ResizingRebuildsTheBitmapAtTheNewSize) {
  chart->SetSize(640, 360);
  Settle();
  EXPECT_EQ(chart->GetDC().GetSize(), wxSize(640, 360));
  EXPECT_LT(chart->GetPlottingRect().right, 640);
  EXPECT_LT(chart->GetPlottingRect().bottom, 360);
}

TEST_F(ChartCtrlTest, ReplacingAnAxisMovesItsSeriesToTheNewAxis) {
  CChartLineSeries* series = chart->CreateLineSeries();
  series->AddPoint(10, 1);
  series->AddPoint(20, 9);
  CChartStandardAxis* replacement = chart->CreateStandardAxis(kAxisBottom);
  EXPECT_EQ(series->GetHorizontalAxis(), replacement);
  ASSERT_EQ(replacement->GetRegisteredSeries().size(), 1u);
  replacement->SetMinMax(0, 40);  // draws the series against the new axis
  series->AddPoint(30, 5);
  EXPECT_EQ(series->GetPointScreenCoord(2).x, replacement->ValueToScreen(30));
}

TEST_F(ChartCtrlTest, PointsAddedWhileRefreshIsOffMoveTheAxesOnceItIsOn) {
  chart->GetBottomAxis()->SetAutomaticMode(kAutoFull);
  chart->GetLeftAxis()->SetAutomaticMode(kAutoFull);
  CChartLineSeries* series = chart->CreateLineSeries();
  series->AddPoint(0, 1);
  series->AddPoint(10, 2);
  chart->EnableRefresh(false);
  for (int i = 2; i < 1000; ++i) series->AddPoint(i * 10, i % 7);
  EXPECT_DOUBLE_EQ(chart->GetBottomAxis()->GetMaximum(), 10) << "axes wait for the batch";
  chart->EnableRefresh(true);
  EXPECT_DOUBLE_EQ(chart->GetBottomAxis()->GetMaximum(), 9990);
  EXPECT_DOUBLE_EQ(chart->GetLeftAxis()->GetMaximum(), 6);
  series->AddPoint(10000, 9);  // refresh on: the axes follow at once
  EXPECT_DOUBLE_EQ(chart->GetLeftAxis()->GetMaximum(), 9);
}

TEST_F(ChartCtrlTest, HiddenAxesTitleAndLegendShapeThePlottingRectangle) {
  const ChartRect initial = chart->GetPlottingRect();
  chart->GetLeftAxis()->SetVisible(false);
  chart->RefreshCtrl();
  EXPECT_LT(chart->GetPlottingRect().left, initial.left) << "a hidden axis takes no margin";
  chart->GetLeftAxis()->SetVisible(true);

  chart->GetTitle()->AddString("Captured wave");
  const ChartRect withTitle = chart->GetPlottingRect();
  EXPECT_GT(withTitle.top, initial.top);

  CChartLineSeries* series = chart->CreateLineSeries();
  series->SetName("Wave");
  chart->GetLegend()->SetVisible(true);
  chart->GetLegend()->DockLegend(kDockTop);
  chart->RefreshCtrl();
  const ChartRect& legend = chart->GetLegend()->GetRect();
  ASSERT_FALSE(legend.IsEmpty());
  EXPECT_GE(chart->GetPlottingRect().top, legend.bottom + 2);

  series->SetName("");
  chart->RefreshCtrl();
  EXPECT_TRUE(chart->GetLegend()->GetRect().IsEmpty()) << "an unnamed series has no entry";
  EXPECT_EQ(chart->GetPlottingRect().top, withTitle.top);
}

TEST_F(ChartCtrlTest, PrintsOnePageAndRestoresTheScreenLayout) {
  CChartLineSeries* series = chart->CreateLineSeries();
  series->AddPoint(0, 2);
  series->AddPoint(40, 2);
  series->AddPoint(40, 8);
  series->AddPoint(80, 8);
  const ChartRect screenPlot = chart->GetPlottingRect();
  testsupport::TempDir folder;
  const wxString file = folder.File("chart.ps");
  wxPrintData data;
  data.SetPrintMode(wxPRINT_MODE_FILE);
  data.SetFilename(file);
  wxPrintDialogData dialogData(data);
  wxPostScriptPrinter printer(&dialogData);
  ASSERT_TRUE(chart->Print("Wave", printer, false));
  ASSERT_TRUE(wxFileName::FileExists(file));
  EXPECT_GT(wxFileName::GetSize(file), 1000u);
  const std::string postscript = testsupport::ReadBytes(file);
  EXPECT_NE(postscript.find("%%Page: 1"), std::string::npos) << "the one page is printed";
  EXPECT_EQ(chart->GetPlottingRect(), screenPlot);
}

TEST_F(ChartCtrlTest, PrintLayoutIsThreeQuartersOfThePageInScreenPixels) {
  wxBitmap page(1200, 800);
  wxMemoryDC dc(page);
  ChartPrintInfo info;
  chart->OnBeginPrinting(dc, info);  // same resolution as the screen
  chart->OnPrint(dc, info);
  EXPECT_EQ(info.drawRect, (ChartRect{0, 0, 900, 600}));
  EXPECT_EQ(info.maxPage, 1);
  EXPECT_GT(chart->GetPlottingRect().right, 700) << "laid out on the page, not the 800-pixel window";
  chart->OnEndPrinting(dc, info);
  EXPECT_LT(chart->GetPlottingRect().right, 800);
}
