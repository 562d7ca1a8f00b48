// The reference for the start-up benchmark: a bare wx dialog of the main
// window's size, run modally and closed the way the program closes its main
// window under OLVANTA_EXIT_AFTER_START: polled until it is on the screen,
// then a line on standard output and the close.
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/timer.h>

#include <cstdio>

namespace {
// The program's poll interval for the shown main window.
constexpr int kShownPollMs = 10;
}  // namespace

class CBareDialogApp : public wxApp {
 public:
  int OnRun() override {
    wxDialog dialog(nullptr, wxID_ANY, "bare", wxDefaultPosition, wxSize(1200, 800));
    wxTimer closer;
    closer.Bind(wxEVT_TIMER, [&dialog, &closer](wxTimerEvent&) {
      if (!dialog.IsShownOnScreen()) return;
      closer.Stop();
      std::printf("bare dialog shown\n");
      std::fflush(stdout);
      dialog.Close();
    });
    dialog.CallAfter([&closer] { closer.Start(kShownPollMs); });
    dialog.ShowModal();
    return 0;
  }
};

wxIMPLEMENT_APP(CBareDialogApp);
