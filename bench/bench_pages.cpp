// Repainting a page's faint background picture: a repaint at an unchanged
// size against one at a new size (which makes the watermark again, as every
// repaint did before it was kept). Needs a display (Xvfb will do).
#include "PairedRatio.h"

#include "ui/SubBaseDlg.h"

#include <benchmark/benchmark.h>

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/init.h>

namespace {

void StartWx() {
  static bool started = false;
  if (started) return;
  started = true;
  int argc = 1;
  char name[] = "bench_pages";
  char* argv[] = {name, nullptr};
  wxApp::SetInstance(new wxApp());
  wxEntryStart(argc, argv);
  wxTheApp->CallOnInit();
  wxInitAllImageHandlers();
}

void BM_PageBackgroundRepaint(benchmark::State& state) {
  StartWx();
  auto* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(1000, 760));
  auto* page = new CSubBaseDlg(1, frame);
  if (!page->LoadBackgroundImage()) {
    state.SkipWithError("no background picture");
    frame->Destroy();
    return;
  }
  frame->Show();
  wxTheApp->ProcessPendingEvents();
  page->SetSize(0, 0, 960, 720);
  wxClientDC dc(page);
  const wxRect area(0, 60, 960, 660);
  int grow = 0;
  benchpair::RunPaired(
      state, [&] { page->DrawBackground(dc, area, area.y); },
      [&] {
        grow = 1 - grow;  // a new size each time
        page->DrawBackground(dc, wxRect(area.GetPosition(), area.GetSize() + wxSize(grow, 0)), area.y);
      });
  frame->Destroy();
}
BENCHMARK(BM_PageBackgroundRepaint)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
