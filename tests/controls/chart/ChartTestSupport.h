// Windows and user input for the chart tests.
#pragma once

#include <wx/frame.h>
#include <wx/image.h>
#include <wx/string.h>

#include "controls/chart/ChartCtrl.h"

#include "HostFrame.h"

#include <memory>

namespace charttest {

// Lets the window system deliver pending events.
void Settle();

// A shown frame holding one chart of 800 x 500 pixels.
class ChartFrame {
 public:
  ChartFrame();
  ~ChartFrame();
  wxFrame* Frame() const { return m_host->Frame(); }

  template <class Chart>
  Chart* AddChart() {
    auto* chart = new Chart(Frame(), wxID_ANY, wxPoint(0, 0), wxSize(800, 500));
    Settle();
    return chart;
  }

 private:
  std::unique_ptr<testsupport::HostFrame> m_host;
};

// Mouse input as the window receives it from the user.
void Press(wxWindow* window, const wxPoint& point, bool right = false);
void Move(wxWindow* window, const wxPoint& point, bool leftDown = false, bool rightDown = false);
void Release(wxWindow* window, const wxPoint& point, bool right = false);
// Press, a few moves and the release.
void Drag(wxWindow* window, const wxPoint& from, const wxPoint& to, bool right = false);

// The pixel of an (x, y) value pair on the chart's bottom and left axes.
wxPoint PixelOf(CChartCtrl* chart, double x, double y);

// The chart's off-screen bitmap as an image.
wxImage Snapshot(CChartCtrl* chart);
// Saves the chart's bitmap as build/artifacts/<name>.png; returns the path.
wxString SaveScreenshot(CChartCtrl* chart, const wxString& name);

// A chart with the bottom axis 0..100 and the left axis 0..10.
void AddStandardAxes(CChartCtrl* chart);

}  // namespace charttest
