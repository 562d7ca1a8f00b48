// Laying out and drawing a grid of 1000 rows and 20 columns. Needs a
// display (Xvfb will do): the grid measures its fonts on the screen.
#include "controls/grid/GridCtrl.h"

#include <benchmark/benchmark.h>

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <mutex>

namespace {

constexpr int kRows = 1000;
constexpr int kCols = 20;

void StartWx() {
  static std::once_flag started;
  std::call_once(started, [] {
    int argc = 1;
    char name[] = "bench_grid";
    char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp());
    wxEntryStart(argc, argv);
    wxTheApp->CallOnInit();
  });
}

void FillTable(CGridCtrl& grid) {
  for (int row = 0; row < kRows; ++row) {
    for (int col = 0; col < kCols; ++col) grid.SetItemText(row, col, wxString::Format("R%d C%d", row, col));
  }
  for (int row = 3; row < kRows; row += 7) grid.SetItemBkColour(row, 2, 0x00FFFF);
}

// A shown grid of 800 x 600 pixels in its own frame.
struct Table {
  Table() : frame(new wxFrame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(820, 640))) {
    grid = new CGridCtrl(kRows, kCols, 1, 1);
    grid->Create(frame, wxID_ANY, wxPoint(0, 0), wxSize(800, 600));
    FillTable(*grid);
    for (int col = 0; col < kCols; col += 3) grid->SetColumnWidth(col, 60);
    frame->Show();
    wxTheApp->ProcessPendingEvents();
  }
  ~Table() { frame->Destroy(); }
  wxFrame* frame;
  CGridCtrl* grid;
};

void BM_GridBuild(benchmark::State& state) {
  StartWx();
  for (auto _ : state) {
    CGridCtrl grid(kRows, kCols, 1, 1);
    FillTable(grid);
    benchmark::DoNotOptimize(grid.GetVirtualHeight());
  }
}
BENCHMARK(BM_GridBuild)->Unit(benchmark::kMillisecond);

void BM_GridLayoutAndHitTest(benchmark::State& state) {
  StartWx();
  Table table;
  CGridCtrl& grid = *table.grid;
  int step = 0;
  for (auto _ : state) {
    grid.SetScrollPos32(true, (step * 997) % grid.GetVirtualHeight());
    grid.ResetScrollBars();
    const CellRange visible = grid.GetVisibleNonFixedCellRange();
    benchmark::DoNotOptimize(grid.GetCellFromPt(wxPoint(400, 300)));
    benchmark::DoNotOptimize(visible);
    ++step;
  }
}
BENCHMARK(BM_GridLayoutAndHitTest);

void BM_GridDraw(benchmark::State& state) {
  StartWx();
  Table table;
  CGridCtrl& grid = *table.grid;
  wxBitmap bitmap(grid.GetClientSize());
  wxMemoryDC dc(bitmap);
  int step = 0;
  for (auto _ : state) {
    grid.SetScrollPos32(true, (step * 2500) % grid.GetVirtualHeight());
    grid.OnDraw(dc);
    ++step;
  }
}
BENCHMARK(BM_GridDraw)->Unit(benchmark::kMillisecond);

}  // namespace
