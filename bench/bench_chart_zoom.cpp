// Zooming the wave chart into the same time window of a long capture (a
// million points) and of a short one (a thousand): the zoom redraw and the
// check whether every label fits should cost about the same. Needs a display
// (Xvfb will do).
#include "PairedRatio.h"

#include "controls/chart/BLDCChartCtrl.h"
#include "controls/chart/ChartAxis.h"
#include "controls/chart/ChartSeries.h"

#include <benchmark/benchmark.h>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

namespace {

void StartWx() {
  static bool started = false;
  if (started) return;
  started = true;
  int argc = 1;
  char name[] = "bench_chart_zoom";
  char* argv[] = {name, nullptr};
  wxApp::SetInstance(new wxApp());
  wxEntryStart(argc, argv);
  wxTheApp->CallOnInit();
}

// A chart showing a square wave of the given number of points, NEC-like widths.
struct WaveChart {
  CBLDCChartCtrl* chart;
  CChartLineSeries* series;

  WaveChart(wxWindow* parent, int points) {
    chart = new CBLDCChartCtrl(parent, wxID_ANY, wxPoint(0, 0), wxSize(900, 300));
    CChartAxis* bottom = chart->CreateStandardAxis(kAxisBottom);
    chart->CreateStandardAxis(kAxisLeft)->SetMinMax(0, 20);
    series = chart->CreateLineSeries();
    series->ShowMarkedTimes(true);
    chart->EnableRefresh(false);
    double t = 0;
    for (int i = 0; i < points / 2; ++i) {
      const double level = i % 2 == 0 ? 8.0 : 3.0;
      series->AddPoint(t, level);
      t += 560 + (i % 4 == 1 ? 1130 : 0);
      series->AddPoint(t, level);
    }
    bottom->SetMinMax(0, t);
    chart->EnableRefresh(true);
  }

  // What a zoom gesture does: the new range, one redraw, the label check.
  bool ZoomTo(double from, double to) {
    chart->EnableRefresh(false);
    chart->GetBottomAxis()->SetZoomMinMax(from, to);
    chart->RefreshCtrl();
    chart->EnableRefresh(true);
    return series->HasHiddenMarkedTime(chart->GetDC());
  }
};

void BM_ChartZoomLongVsShort(benchmark::State& state) {
  StartWx();
  auto* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(960, 400));
  WaveChart longWave(frame, 1000000);
  WaveChart shortWave(frame, 1000);
  frame->Show();
  wxTheApp->ProcessPendingEvents();
  const double from = 100000;
  const double to = 130000;  // about 70 periods, inside both waves
  benchpair::RunPaired(
      state, [&] { benchmark::DoNotOptimize(longWave.ZoomTo(from, to)); },
      [&] { benchmark::DoNotOptimize(shortWave.ZoomTo(from, to)); });
  frame->Destroy();
}
BENCHMARK(BM_ChartZoomLongVsShort)->Unit(benchmark::kMillisecond)->Iterations(30);

// The whole capture on screen: a million points against a thousand, both
// drawn across the same width. Drawing costs per pixel column, so the ratio
// should stay within the goal.
void BM_ChartWholeWaveLongVsShort(benchmark::State& state) {
  StartWx();
  auto* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(960, 400));
  WaveChart longWave(frame, 1000000);
  WaveChart shortWave(frame, 1000);
  frame->Show();
  wxTheApp->ProcessPendingEvents();
  benchpair::RunPaired(
      state, [&] { longWave.chart->RefreshCtrl(); }, [&] { shortWave.chart->RefreshCtrl(); });
  state.counters["goal"] = 2;
  frame->Destroy();
}
BENCHMARK(BM_ChartWholeWaveLongVsShort)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
