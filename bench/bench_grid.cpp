// Laying out and drawing a grid of 1000 rows and 20 columns, and a virtual
// grid of a million rows: bringing a far row into view, appending rows and
// drawing at the bottom against the top. Needs a display (Xvfb will do): the
// grid measures its fonts on the screen.
#include "PairedRatio.h"

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

// Virtual cells: the text of (row, col) made on request.
bool VirtualText(GridDispInfo* info, GridParam) {
  info->item.strText = wxString::Format("R%d C%d", info->item.row, info->item.col);
  return true;
}

// A shown virtual grid of rows x 5 columns, 800 x 600 pixels.
struct VirtualTable {
  explicit VirtualTable(int rows)
      : frame(new wxFrame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(820, 640))) {
    grid = new CGridCtrl(0, 5, 1, 1);
    grid->Create(frame, wxID_ANY, wxPoint(0, 0), wxSize(800, 600));
    grid->SetVirtualMode(true);
    grid->SetCallbackFunc(VirtualText, 0);
    grid->SetColumnCount(5);
    grid->SetFixedRowCount(1);
    grid->SetRowCount(rows);
    frame->Show();
    wxTheApp->ProcessPendingEvents();
  }
  ~VirtualTable() { frame->Destroy(); }
  wxFrame* frame;
  CGridCtrl* grid;
};

// Row 100,000 of a million brought into view from the top.
void BM_GridEnsureVisibleFarRow(benchmark::State& state) {
  StartWx();
  VirtualTable table(1000000);
  CGridCtrl& grid = *table.grid;
  for (auto _ : state) {
    state.PauseTiming();
    grid.SetScrollPos32(true, 0);
    state.ResumeTiming();
    grid.EnsureVisible(100000, 1);
  }
  if (!grid.IsCellVisible(100000, 1)) state.SkipWithError("row not in view");
}
BENCHMARK(BM_GridEnsureVisibleFarRow)->Unit(benchmark::kMillisecond);

// Appending a million rows one by one against ten times a hundred thousand:
// a ratio near 1 means each append costs the same however long the grid is.
void BM_GridAppendRows(benchmark::State& state) {
  StartWx();
  const auto append = [](int rows) {
    VirtualTable table(0);
    for (int row = 0; row < rows; ++row) table.grid->InsertRow(wxString());
  };
  benchpair::RunPaired(
      state, [&] { append(1000000); },
      [&] {
        for (int part = 0; part < 10; ++part) append(100000);
      });
}
BENCHMARK(BM_GridAppendRows)->Unit(benchmark::kMillisecond)->Iterations(2);

// Drawing the view at the bottom of a million rows against at the top.
void BM_GridDrawBottomVsTop(benchmark::State& state) {
  StartWx();
  VirtualTable table(1000000);
  CGridCtrl& grid = *table.grid;
  wxBitmap bitmap(grid.GetClientSize());
  wxMemoryDC dc(bitmap);
  const auto drawAt = [&](int position) {
    grid.SetScrollPos32(true, position);
    grid.OnDraw(dc);
  };
  benchpair::RunPaired(
      state, [&] { drawAt(grid.GetVirtualHeight()); }, [&] { drawAt(0); });
}
BENCHMARK(BM_GridDrawBottomVsTop)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
