// Repainting a page's faint background picture: a repaint at an unchanged
// size against one at a new size (which makes the watermark again, as every
// repaint did before it was kept), and a repaint of a part against the
// whole. Needs a display (Xvfb will do).
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

// Two pages in two windows side by side, so that the reference's new sizes
// never drop the watermark the subject keeps.
void BM_PageBackgroundRepaint(benchmark::State& state) {
  StartWx();
  auto* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(1000, 760));
  auto* other = new wxFrame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(1000, 760));
  auto* page = new CSubBaseDlg(1, frame);
  auto* resized = new CSubBaseDlg(1, other);
  if (!page->LoadBackgroundImage() || !resized->LoadBackgroundImage()) {
    state.SkipWithError("no background picture");
    frame->Destroy();
    other->Destroy();
    return;
  }
  frame->Show();
  other->Show();
  other->Move(frame->GetRect().GetRight() + 10, 0);
  wxTheApp->ProcessPendingEvents();
  page->SetSize(0, 0, 960, 720);
  resized->SetSize(0, 0, 960, 720);
  wxClientDC dc(page);
  wxClientDC resizedDc(resized);
  const wxRect area(0, 60, 960, 660);
  int grow = 0;
  benchpair::RunPaired(
      state, [&] { page->DrawBackground(dc, area, area.y); },
      [&] {
        grow = 1 - grow;  // a new size each time
        resized->DrawBackground(resizedDc, wxRect(area.GetPosition(), area.GetSize() + wxSize(grow, 0)),
                                area.y);
      });
  frame->Destroy();
}
BENCHMARK(BM_PageBackgroundRepaint)->Unit(benchmark::kMillisecond)->Iterations(30);

// A paint of a quarter of the page (a picture's hover, a closed tooltip)
// against a paint of the whole of it.
void BM_PageBackgroundPartVsWhole(benchmark::State& state) {
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
  const wxRect quarter(240, 225, 480, 330);
  benchpair::RunPaired(
      state, [&] { page->DrawBackgroundPart(dc, area, area.y, quarter); },
      [&] { page->DrawBackgroundPart(dc, area, area.y, area); });
  frame->Destroy();
}
BENCHMARK(BM_PageBackgroundPartVsWhole)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
