// Headless work behind drawing a long captured wave: storing points in X
// order, finding the visible range and pairing edges into labelled periods.
#include <benchmark/benchmark.h>

#include "controls/chart/ChartPoints.h"
#include "controls/chart/MarkedTimes.h"

namespace {

// A square wave of the given number of periods, two points per edge.
CChartPointStore<SChartXYPoint> SquareWave(int periods) {
  CChartPointStore<SChartXYPoint> store;
  double t = 0;
  for (int i = 0; i < periods; ++i) {
    const double level = i % 2 == 0 ? 8.0 : 3.0;
    store.Add({t, level});
    t += 560 + (i % 3) * 565;
    store.Add({t, level});
  }
  return store;
}

void BM_AddOrderedPoints(benchmark::State& state) {
  for (auto _ : state) {
    auto store = SquareWave(static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(store.Count());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * 2);
}
BENCHMARK(BM_AddOrderedPoints)->Arg(1000)->Arg(100000);

void BM_VisibleRange(benchmark::State& state) {
  const auto store = SquareWave(100000);
  double minimum = 0;
  double maximum = 0;
  store.GetXMinMax(minimum, maximum);
  unsigned first = 0;
  unsigned last = 0;
  for (auto _ : state) {
    store.GetVisibleRange(maximum * 0.4, maximum * 0.45, first, last);
    benchmark::DoNotOptimize(last);
  }
}
BENCHMARK(BM_VisibleRange);

void BM_MarkedPeriods(benchmark::State& state) {
  const auto store = SquareWave(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const auto periods =
        ListMarkedPeriods(CollectLevelChanges(store.Data(), store.Count(), 0, store.Count() - 1));
    benchmark::DoNotOptimize(periods.size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MarkedPeriods)->Arg(1000)->Arg(100000);

}  // namespace
