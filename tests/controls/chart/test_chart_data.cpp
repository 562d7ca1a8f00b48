// Series points, period labels, smoothing, zoom history and legend layout.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

#include "controls/chart/BezierSmoothing.h"
#include "controls/chart/ChartPoints.h"
#include "controls/chart/LegendLayout.h"
#include "controls/chart/MarkedTimes.h"
#include "controls/chart/PixelColumns.h"
#include "controls/chart/ZoomHistory.h"

namespace {

std::vector<double> Xs(const CChartPointStore<SChartXYPoint>& store) {
  std::vector<double> xs;
  for (unsigned i = 0; i < store.Count(); ++i) xs.push_back(store.At(i).X);
  return xs;
}

// Levels 0 and 1 with edges at 0, 10, 30 and 35 us.
CChartPointStore<SChartXYPoint> SquareWave() {
  CChartPointStore<SChartXYPoint> store;
  for (auto p : {SChartXYPoint{0, 0}, {0, 1}, {10, 1}, {10, 0}, {30, 0}, {30, 1}, {35, 1}, {35, 0}})
    store.Add(p);
  return store;
}

}  // namespace

TEST(ChartPoints, PointsStayOrderedByXWithEqualKeysInInsertionOrder) {
  CChartPointStore<SChartXYPoint> store;
  for (auto p : {SChartXYPoint{1, 0}, {5, 0}, {3, 0}, {5, 1}, {0, 0}, {3, 2}}) store.Add(p);
  EXPECT_EQ(Xs(store), (std::vector<double>{0, 1, 3, 3, 5, 5}));
  EXPECT_EQ(store.At(2).Y, 0);  // the earlier 3 before the later one
  EXPECT_EQ(store.At(3).Y, 2);
  EXPECT_EQ(store.At(4).Y, 0);
  EXPECT_EQ(store.At(5).Y, 1);
}

TEST(ChartPoints, UnorderedPointsKeepInsertionOrderUntilSorted) {
  CChartPointStore<SChartXYPoint> store;
  store.SetOrdering(kOrderNone);
  for (auto p : {SChartXYPoint{3, 9}, {1, 7}, {2, 8}}) store.Add(p);
  EXPECT_EQ(Xs(store), (std::vector<double>{3, 1, 2}));
  store.SetOrdering(kOrderByY);
  EXPECT_EQ(Xs(store), (std::vector<double>{1, 2, 3}));
}

TEST(ChartPoints, BufferGrowsByAThousandAndTracksExtremes) {
  CChartPointStore<SChartXYPoint> store;
  EXPECT_EQ(store.Capacity(), 1000u);
  double minimum;
  double maximum;
  EXPECT_FALSE(store.GetXMinMax(minimum, maximum));
  for (int i = 0; i < 1001; ++i) store.Add({static_cast<double>(i), static_cast<double>(-i)});
  EXPECT_EQ(store.Capacity(), 2000u);
  EXPECT_EQ(store.At(1000).X, 1000);
  ASSERT_TRUE(store.GetYMinMax(minimum, maximum));
  EXPECT_EQ(minimum, -1000);
  EXPECT_EQ(maximum, 0);
  store.Clear();
  EXPECT_EQ(store.Count(), 0u);
  EXPECT_FALSE(store.GetXMinMax(minimum, maximum));
}

TEST(ChartPoints, VisibleRangeRunsFromTheFirstPointPastEachBound) {
  CChartPointStore<SChartXYPoint> store;
  for (double x : {0, 10, 20, 30, 40}) store.Add({x, 0});
  struct Case {
    double minimum, maximum;
    unsigned first, last;
  } cases[] = {{12, 28, 2, 3}, {-5, 100, 0, 4}, {10, 20, 2, 3}, {41, 50, 4, 4}, {0, 0, 1, 1}};
  for (const Case& c : cases) {
    unsigned first;
    unsigned last;
    ASSERT_TRUE(store.GetVisibleRange(c.minimum, c.maximum, first, last));
    EXPECT_EQ(first, c.first) << c.minimum;
    EXPECT_EQ(last, c.last) << c.maximum;
  }
}

TEST(MarkedTimes, SquareWaveGivesAHighALowAndAHighPeriod) {
  const auto store = SquareWave();
  const auto periods =
      ListMarkedPeriods(CollectLevelChanges(store.Data(), store.Count(), 0, store.Count() - 1));
  ASSERT_EQ(periods.size(), 3u);
  EXPECT_EQ(MarkedTimeText(periods[0]), "TH(10.000us)");
  EXPECT_EQ(MarkedTimeText(periods[1]), "TL(20.000us)");
  EXPECT_EQ(MarkedTimeText(periods[2]), "TH(5.000us)");
  EXPECT_DOUBLE_EQ(periods[1].startTime, 10);
  EXPECT_DOUBLE_EQ(periods[1].endTime, 30);
  for (const auto& period : periods) EXPECT_EQ(period.labelLevel, 1) << "labels sit on the top of the pulse";
}

TEST(MarkedTimes, ARangeInsideARunWidensToTheNeighbouringEdges) {
  const auto store = SquareWave();
  // Points 4..4 lie inside the low run from 10 to 30: the range grows to both edges of it.
  const auto changes = CollectLevelChanges(store.Data(), store.Count(), 4, 4);
  ASSERT_FALSE(changes.empty());
  EXPECT_DOUBLE_EQ(changes.front().time, 10);
  EXPECT_DOUBLE_EQ(changes.back().time, 30);
  const auto periods = ListMarkedPeriods(changes);
  ASSERT_EQ(periods.size(), 1u);
  EXPECT_EQ(MarkedTimeText(periods[0]), "TL(20.000us)");
}

TEST(MarkedTimes, RepeatedEdgesOfOneDirectionDoNotStartAPeriod) {
  const std::vector<stMTime> changes = {{0, 1, 1}, {5, 2, 1}, {9, 0, -1}, {9, 0, 0}, {12, 1, 1}};
  const auto periods = ListMarkedPeriods(changes);
  ASSERT_EQ(periods.size(), 2u);
  EXPECT_DOUBLE_EQ(periods[0].startTime, 0);  // the second rise does not replace the first
  EXPECT_EQ(periods[0].labelLevel, 2);        // but raises the label to the latest top
  EXPECT_TRUE(periods[0].high);
  EXPECT_FALSE(periods[1].high);
}

TEST(MarkedTimes, PeriodsGroupByLabelTextShortestFirstWithoutEmptyOnes) {
  const std::vector<stMarkedPeriod> periods{{0, 560.0004, 1, true},
                                            {600, 1160, 1, true},
                                            {1200, 1200, 1, false},
                                            {1300, 1860, 1, false},
                                            {2000, 2559.9996, 1, true}};
  const auto groups = GroupPeriodsByText(periods);
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].text, "TH(560.000us)");
  ASSERT_EQ(groups[0].periods.size(), 3u);
  EXPECT_DOUBLE_EQ(groups[0].periods[0].startTime, 2000);  // shortest first
  EXPECT_DOUBLE_EQ(groups[0].periods[2].startTime, 0);
  EXPECT_EQ(groups[1].text, "TL(560.000us)");  // the empty period is left out
}

// The reduced polyline covers each column from its lowest to its highest
// point and joins the columns exactly as the full one does.
TEST(PixelColumns, DenseWaveKeepsColumnExtremesAndJoins) {
  std::vector<ChartPoint> full;
  for (int i = 0; i < 4000; ++i) full.push_back({i / 37, (i * 7919) % 101 + (i % 3 == 0 ? 0 : 200)});
  std::vector<ChartPoint> reduced;
  {
    CPixelColumnReducer columns(reduced);
    for (const ChartPoint& p : full) columns.Add(p);
  }
  struct Column {
    int low = 1 << 30, high = -(1 << 30), first = 0, last = 0, count = 0;
  };
  auto summarize = [](const std::vector<ChartPoint>& points) {
    std::map<int, Column> columns;
    for (const ChartPoint& p : points) {
      Column& c = columns[p.x];
      if (c.count++ == 0) c.first = p.y;
      c.last = p.y;
      c.low = std::min(c.low, p.y);
      c.high = std::max(c.high, p.y);
    }
    return columns;
  };
  const auto want = summarize(full);
  const auto got = summarize(reduced);
  ASSERT_EQ(got.size(), want.size());
  for (const auto& [x, column] : want) {
    const Column& r = got.at(x);
    EXPECT_EQ(std::tie(r.low, r.high, r.first, r.last),
              std::tie(column.low, column.high, column.first, column.last))
        << "column " << x;
    EXPECT_LE(r.count, 4);
  }
}

TEST(PixelColumns, ExtremesKeepTheirOrderInAColumn) {
  std::vector<ChartPoint> reduced;
  {
    CPixelColumnReducer columns(reduced);
    for (int y : {5, 9, 1, 4}) columns.Add({3, y});
    columns.Add({4, 4});
  }
  const std::vector<ChartPoint> want{{3, 5}, {3, 9}, {3, 1}, {3, 4}, {4, 4}};
  EXPECT_EQ(reduced, want);
}

namespace {

// Linear value-to-pixel mappings the way an axis floors them, optionally
// reversed, plus one in buckets and a constant one.
struct Mapping {
  const char* name;
  PixelMapping pixel;
};

PixelMapping Linear(double minimum, double maximum, int from, int to) {
  return [=](double value) {
    const double offset = std::floor((to - from) * (value - minimum) / (maximum - minimum));
    return std::isnan(offset) ? 0 : from + static_cast<int>(offset);
  };
}

std::vector<Mapping> XMappings(double span) {
  return {{"plain", Linear(0, span, 10, 810)},
          {"reversed", Linear(0, span, 810, 10)},
          {"zoomed past both ends", Linear(span * 0.3, span * 0.6, 10, 810)},
          {"buckets",
           [span](double value) { return 10 + static_cast<int>(std::trunc(value / (span / 37))) * 20; }},
          {"one pixel", [](double) { return 400; }}};
}

std::vector<Mapping> YMappings() {
  return {{"plain", Linear(-2, 10, 300, 20)},
          {"reversed", Linear(-2, 10, 20, 300)},
          {"one pixel", [](double) { return 7; }}};
}

// Sorted points: a dense level wave, a stretch of noise with repeated times,
// a staircase with equal steps, flat stretches between bursts of levels, a
// ramp and a few values that are not numbers.
std::vector<SChartXYPoint> MixedSeries() {
  std::vector<SChartXYPoint> points;
  unsigned state = 12345;
  auto next = [&state] { return (state = state * 1103515245u + 12345u) >> 8; };
  double t = 0;
  for (int i = 0; i < 6000; ++i) {
    const double level = i % 2 ? 8.0 : 3.0;
    points.push_back({t, level});
    t += 0.7 + (i % 5 == 0 ? 40 : 0);
    points.push_back({t, level});
  }
  for (int i = 0; i < 4000; ++i) {
    points.push_back({t, (next() % 1000) / 100.0 - 1});
    if (next() % 3) t += 0.05;
  }
  for (int i = 0; i < 200; ++i) {
    points.push_back({t, i % 7 + 0.0});
    t += i % 7 == 6 ? 90 : 3;
  }
  for (int burst = 0; burst < 40; ++burst) {
    points.push_back({t, 4});
    t += 300;
    points.push_back({t, 4});
    for (int i = 0; i < 20; ++i, t += 0.05) points.push_back({t, static_cast<double>(next() % 9)});
  }
  for (int i = 0; i < 3000; ++i, t += 0.2) points.push_back({t, i * 0.003});
  points.push_back({t, std::nan("")});
  points.push_back({t + 1, 4});
  points.push_back({t + 1, std::nan("")});
  points.push_back({t + 2, 1});
  return points;
}

// No blocks, and blocks of a few sizes (the small ones pass over most often).
std::vector<const CPointBlocks*> BlockChoices(const std::vector<SChartXYPoint>& points) {
  static std::vector<CPointBlocks> built;
  built.clear();
  for (unsigned size : {3u, 16u, CPointBlocks::kDefaultSize}) {
    built.emplace_back(size);
    built.back().Build(points.data(), static_cast<unsigned>(points.size()));
  }
  return {nullptr, &built[0], &built[1], &built[2]};
}

}  // namespace

TEST(PixelColumns, SortedSeriesReducesLikeFeedingEveryPoint) {
  const std::vector<SChartXYPoint> points = MixedSeries();
  const unsigned count = static_cast<unsigned>(points.size());
  const double span = points.back().X;
  const std::pair<unsigned, unsigned> ranges[] = {
      {0, count - 1}, {0, 0}, {5000, 5001}, {11000, 16000}, {count - 3, count - 1}};
  for (const Mapping& x : XMappings(span)) {
    for (const Mapping& y : YMappings()) {
      for (const auto& [first, last] : ranges) {
        std::vector<ChartPoint> want;
        {
          CPixelColumnReducer columns(want);
          for (unsigned i = first; i <= last; ++i) columns.Add({x.pixel(points[i].X), y.pixel(points[i].Y)});
        }
        for (const CPointBlocks* blocks : BlockChoices(points)) {
          std::vector<ChartPoint> got;
          ReduceSortedPoints(points.data(), first, last, x.pixel, y.pixel, got, blocks);
          ASSERT_EQ(got, want) << "x " << x.name << ", y " << y.name << ", points " << first << ".." << last
                               << ", blocks of " << (blocks ? blocks->Size() : 0);
        }
      }
    }
  }
}

TEST(MarkedTimes, WidePeriodsAreThoseOfTheWholeListThatSpanEnoughPixels) {
  const std::vector<SChartXYPoint> points = MixedSeries();
  const unsigned count = static_cast<unsigned>(points.size());
  const std::pair<unsigned, unsigned> ranges[] = {
      {0, count - 1}, {3, 3}, {7001, 9000}, {12000, 12500}, {count - 2, count + 5}};
  for (const Mapping& x : XMappings(points.back().X)) {
    for (int minWidth : {0, 1, 3, 60}) {
      for (const auto& [first, last] : ranges) {
        std::vector<stMarkedPeriod> want;
        for (const stMarkedPeriod& period :
             ListMarkedPeriods(CollectLevelChanges(points.data(), count, first, last))) {
          if (std::abs(x.pixel(period.endTime) - x.pixel(period.startTime)) >= minWidth)
            want.push_back(period);
        }
        for (const CPointBlocks* blocks : BlockChoices(points)) {
          const auto got =
              ListWideMarkedPeriods(points.data(), count, first, last, minWidth, x.pixel, blocks);
          ASSERT_EQ(got.size(), want.size())
              << x.name << ", width " << minWidth << ", points " << first << ".." << last << ", blocks of "
              << (blocks ? blocks->Size() : 0);
          for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].startTime, want[i].startTime);
            EXPECT_EQ(got[i].endTime, want[i].endTime);
            EXPECT_EQ(got[i].labelLevel, want[i].labelLevel);
            EXPECT_EQ(got[i].high, want[i].high);
          }
        }
      }
    }
  }
}

TEST(BezierSmoothing, PathRunsThroughEveryKnotWithControlPointsOnAStraightLine) {
  const std::vector<double> knots = {0, 3, 6, 9, 12};
  const auto path = BuildBezierPath(knots);
  ASSERT_EQ(path.size(), 13u);  // 3n + 1
  for (size_t i = 0; i < knots.size(); ++i) EXPECT_DOUBLE_EQ(path[3 * i], knots[i]);
  for (size_t i = 0; i + 1 < path.size(); ++i) EXPECT_NEAR(path[i + 1] - path[i], 1.0, 1e-9) << i;
  EXPECT_EQ(BuildBezierPath({4}).size(), 0u);
  EXPECT_EQ(BuildBezierPath({0, 3}), (std::vector<double>{0, 1, 2, 3}));
}

TEST(ZoomHistory, ThreeZoomsUndoneStepByStep) {
  CZoomHistory history;
  const stZoomNode ranges[] = {{0, 100}, {10, 60}, {20, 40}};
  for (const auto& range : ranges) EXPECT_FALSE(history.OnRelease(range.minimum, range.maximum, false, true));
  // The first release stores the starting range and pushes it: one node per zoom.
  EXPECT_EQ(history.Steps().size(), 3u);
  EXPECT_DOUBLE_EQ(history.StartingRange().maximum, 100);
  for (int i = 2; i >= 0; --i) {
    auto back = history.OnRelease(25, 30, true, true);
    ASSERT_TRUE(back);
    EXPECT_DOUBLE_EQ(back->minimum, ranges[i].minimum);
    EXPECT_DOUBLE_EQ(back->maximum, ranges[i].maximum);
  }
  auto start = history.OnRelease(5, 6, true, true);
  ASSERT_TRUE(start);
  EXPECT_DOUBLE_EQ(start->maximum, 100) << "an empty history goes back to the starting range";
}

TEST(ZoomHistory, FirstReleaseReversedPushesAndPopsAtOnceAndButtonlessReleasesRestoreNothing) {
  CZoomHistory history;
  auto back = history.OnRelease(0, 50, true, true);
  ASSERT_TRUE(back);
  EXPECT_DOUBLE_EQ(back->maximum, 50);
  EXPECT_TRUE(history.Steps().empty());
  EXPECT_FALSE(history.OnRelease(0, 50, true, false));
  history.Clear();
  EXPECT_FALSE(history.HasStartingRange());
}

TEST(LegendLayout, SizesAndDocksTheEntries) {
  const ChartRect chart{0, 0, 400, 300};
  LegendLayoutSettings settings;
  const std::vector<LegendEntrySize> entries = {{40, 12}, {60, 20}};
  // Vertical: heights 16 + 2 and 20 + 2, width sample + widest + 12.
  EXPECT_EQ(ComputeLegendRect(entries, settings, chart), (ChartRect{306, 126, 394, 172}));
  settings.horizontal = true;
  settings.dockSide = kDockTop;
  const ChartRect top = ComputeLegendRect(entries, settings, chart);
  EXPECT_EQ(top, (ChartRect{123, 3, 277, 31}));  // entries 70 + 90 wide, less 6
  ChartRect clipped = chart;
  ClipChartRectForLegend(clipped, top, settings);
  EXPECT_EQ(clipped.top, top.bottom + 2);
  settings.dockSide = 7;
  EXPECT_TRUE(ComputeLegendRect(entries, settings, chart).IsEmpty());
  EXPECT_TRUE(ComputeLegendRect({}, LegendLayoutSettings{}, chart).IsEmpty());
}
