#include "ChartTestSupport.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/utils.h>

namespace charttest {

ChartFrame::ChartFrame()
    : m_host(std::make_unique<testsupport::HostFrame>(wxSize(820, 540), wxPoint(0, 0),
                                                      testsupport::HostContent::Empty)) {
  Settle();
}

ChartFrame::~ChartFrame() {
  m_host.reset();
  Settle();
}

void Settle() {
  for (int i = 0; i < 3; ++i) {
    wxTheApp->ProcessPendingEvents();
    wxYield();
  }
}

namespace {

void Send(wxWindow* window, wxEventType type, const wxPoint& point, bool leftDown, bool rightDown) {
  wxMouseEvent event(type);
  event.SetEventObject(window);
  event.SetId(window->GetId());
  event.SetPosition(point);
  event.m_leftDown = leftDown;
  event.m_rightDown = rightDown;
  window->GetEventHandler()->ProcessEvent(event);
}

}  // namespace

void Press(wxWindow* window, const wxPoint& point, bool right) {
  Send(window, right ? wxEVT_RIGHT_DOWN : wxEVT_LEFT_DOWN, point, !right, right);
}

void Move(wxWindow* window, const wxPoint& point, bool leftDown, bool rightDown) {
  Send(window, wxEVT_MOTION, point, leftDown, rightDown);
}

void Release(wxWindow* window, const wxPoint& point, bool right) {
  Send(window, right ? wxEVT_RIGHT_UP : wxEVT_LEFT_UP, point, false, false);
}

void Drag(wxWindow* window, const wxPoint& from, const wxPoint& to, bool right) {
  Press(window, from, right);
  for (int step = 1; step <= 4; ++step) {
    const wxPoint point(from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4);
    Move(window, point, !right, right);
  }
  Release(window, to, right);
}

wxPoint PixelOf(CChartCtrl* chart, double x, double y) {
  return wxPoint(chart->GetBottomAxis()->ValueToScreen(x), chart->GetLeftAxis()->ValueToScreen(y));
}

wxImage Snapshot(CChartCtrl* chart) {
  wxDC& source = chart->GetDC();
  const wxSize size = source.GetSize();
  wxBitmap copy(size);
  {
    wxMemoryDC target(copy);
    target.Blit(0, 0, size.x, size.y, &source, 0, 0);
  }
  return copy.ConvertToImage();
}

wxString SaveScreenshot(CChartCtrl* chart, const wxString& name) {
  const wxString folder = wxString(OLV_BINARY_DIR) + wxFILE_SEP_PATH + "artifacts";
  wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  const wxString path = folder + wxFILE_SEP_PATH + name + ".png";
  Snapshot(chart).SaveFile(path, wxBITMAP_TYPE_PNG);
  return path;
}

void AddStandardAxes(CChartCtrl* chart) {
  chart->CreateStandardAxis(kAxisBottom)->SetMinMax(0, 100);
  chart->CreateStandardAxis(kAxisLeft)->SetMinMax(0, 10);
  chart->RefreshCtrl();
}

}  // namespace charttest
