// The whole of a long level wave on screen: every pixel column shows exactly
// the levels its points and the lines through it reach, and period labels
// appear only over the periods wide enough for them. The expected picture is
// worked out here from the points alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "ChartTestSupport.h"
#include "controls/chart/ChartAxis.h"
#include "controls/chart/ChartSeries.h"

using namespace charttest;

namespace {

constexpr double kLow = 2;
constexpr double kHigh = 8;

struct WavePoint {
  double x;
  double level;
};

// A dense square wave (two periods per unit, far below a pixel) followed by
// wide periods, one of them too narrow for its label. Every segment is
// horizontal or vertical, so a one-pixel line covers whole pixels.
std::vector<WavePoint> DenseThenWideWave() {
  std::vector<WavePoint> wave;
  for (int i = 0; i < 100000; ++i) {
    wave.push_back({static_cast<double>(i), kLow});
    wave.push_back({static_cast<double>(i), kHigh});
    wave.push_back({i + 0.5, kHigh});
    wave.push_back({i + 0.5, kLow});
  }
  double level = kLow;
  for (double edge : {180000.0, 300000.0, 310000.0, 410000.0}) {
    wave.push_back({edge, level});
    level = level == kLow ? kHigh : kLow;
    wave.push_back({edge, level});
  }
  wave.push_back({500000, level});
  return wave;
}

// Periods between opposite edges: (start, end) of each.
std::vector<std::pair<double, double>> PeriodsOf(const std::vector<WavePoint>& wave) {
  std::vector<std::pair<double, double>> periods;
  double lastEdge = -1;
  for (size_t i = 1; i < wave.size(); ++i) {
    if (wave[i].level == wave[i - 1].level) continue;
    if (lastEdge >= 0) periods.emplace_back(lastEdge, wave[i].x);
    lastEdge = wave[i].x;
  }
  return periods;
}

bool IsLine(const wxImage& image, int x, int y) {
  return image.GetRed(x, y) >= 200 && image.GetGreen(x, y) <= 70 && image.GetBlue(x, y) <= 70;
}

bool IsText(const wxImage& image, int x, int y) {
  return image.GetRed(x, y) < 60 && image.GetGreen(x, y) < 60 && image.GetBlue(x, y) < 60;
}

class WavePictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    chart = window.AddChart<CChartCtrl>();
    chart->CreateStandardAxis(kAxisBottom);
    chart->CreateStandardAxis(kAxisLeft)->SetMinMax(0, 10);
    series = chart->CreateLineSeries();
    series->SetColor(0x0000FF);
    series->ShowMarkedTimes(true);
    chart->EnableRefresh(false);
    for (const WavePoint& p : wave) series->AddPoint(p.x, p.level);
    chart->GetBottomAxis()->SetMinMax(wave.front().x, wave.back().x);
    chart->EnableRefresh(true);
  }

  // The column of a time on the bottom axis: its pixels split the range evenly.
  int ColumnOf(double x) const {
    const CChartAxis* axis = chart->GetBottomAxis();
    const double share = (x - axis->GetMinimum()) / (axis->GetMaximum() - axis->GetMinimum());
    return axis->GetStartPixel() +
           static_cast<int>(std::floor((axis->GetEndPixel() - axis->GetStartPixel()) * share));
  }
  int RowOf(double level) const { return PixelOf(chart, 0, level).y; }

  // Top and bottom row the line covers in each column: the rows of the
  // segments that start, end or pass there.
  std::map<int, std::pair<int, int>> ExpectedExtents() const {
    std::map<int, std::pair<int, int>> extents;
    for (size_t i = 1; i < wave.size(); ++i) {
      const int fromColumn = ColumnOf(wave[i - 1].x);
      const int toColumn = ColumnOf(wave[i].x);
      const int a = RowOf(wave[i - 1].level);
      const int b = RowOf(wave[i].level);
      for (int column = fromColumn; column <= toColumn; ++column) {
        auto [it, added] = extents.emplace(column, std::make_pair(std::min(a, b), std::max(a, b)));
        if (added) continue;
        it->second.first = std::min(it->second.first, std::min(a, b));
        it->second.second = std::max(it->second.second, std::max(a, b));
      }
    }
    return extents;
  }

  const std::vector<WavePoint> wave = DenseThenWideWave();
  ChartFrame window;
  CChartCtrl* chart = nullptr;
  CChartLineSeries* series = nullptr;
};

TEST_F(WavePictureTest, EveryColumnShowsTheLevelsItsPointsReach) {
  const wxImage image = Snapshot(chart);
  SaveScreenshot(chart, "chart_long_wave_full_view");
  const ChartRect plot = chart->GetPlottingRect();
  const auto extents = ExpectedExtents();
  int checked = 0;
  for (int column = plot.left + 2; column < plot.right - 1; ++column) {
    const auto expected = extents.find(column);
    ASSERT_NE(expected, extents.end()) << "column " << column;
    std::vector<int> rows;
    for (int y = plot.top + 1; y < plot.bottom; ++y) {
      if (IsLine(image, column, y)) rows.push_back(y);
    }
    const auto [top, bottom] = expected->second;
    ASSERT_FALSE(rows.empty()) << "column " << column;
    EXPECT_EQ(rows.front(), top) << "column " << column;
    EXPECT_EQ(rows.back(), bottom) << "column " << column;
    EXPECT_EQ(static_cast<int>(rows.size()), bottom - top + 1) << "column " << column << " has gaps";
    ++checked;
  }
  EXPECT_GT(checked, 700);
}

TEST_F(WavePictureTest, LabelsSitOnlyOverPeriodsWideEnoughForThem) {
  const wxImage image = Snapshot(chart);
  const ChartRect plot = chart->GetPlottingRect();
  // Labels hang below the top level; no other dark pixels lie in that band.
  const int bandTop = RowOf(kHigh) + 1;
  const int bandBottom = RowOf(kHigh) + 25;
  const int narrowest = chart->GetDC().GetTextExtent("TL(10000.000us)").x;
  std::vector<bool> textColumn(plot.right, false);
  for (int x = plot.left + 1; x < plot.right; ++x) {
    for (int y = bandTop; y < bandBottom; ++y) textColumn[x] = textColumn[x] || IsText(image, x, y);
  }
  int labelled = 0;
  std::vector<bool> allowed(plot.right, false);
  for (const auto& [start, end] : PeriodsOf(wave)) {
    const int from = ColumnOf(start);
    const int to = ColumnOf(end);
    const bool wide = to - from > narrowest + 4;
    const int middle = (from + to) / 2;
    if (wide) {
      ++labelled;
      EXPECT_TRUE(textColumn[middle]) << "no label over the period " << start << ".." << end;
      for (int x = from; x <= to; ++x) allowed[x] = true;
    }
  }
  EXPECT_EQ(labelled, 3);
  for (int x = plot.left + 1; x < plot.right; ++x) {
    EXPECT_FALSE(textColumn[x] && !allowed[x]) << "text in column " << x << " outside every wide period";
  }
}

}  // namespace
