// Zoom with the left button, pan with the right button, axis scroll bars.
#include <utility>

#include <wx/scrolbar.h>

#include "controls/chart/ChartCtrl.h"
#include "controls/chart/ChartScale.h"
#include "controls/chart/ChartScrollBar.h"

namespace {

int ScrollCodeOf(wxEventType type) {
  if (type == wxEVT_SCROLL_LINEUP) return chart::kScrollLineUp;
  if (type == wxEVT_SCROLL_LINEDOWN) return chart::kScrollLineDown;
  if (type == wxEVT_SCROLL_PAGEUP) return chart::kScrollPageUp;
  if (type == wxEVT_SCROLL_PAGEDOWN) return chart::kScrollPageDown;
  if (type == wxEVT_SCROLL_THUMBRELEASE) return chart::kScrollThumbPosition;
  if (type == wxEVT_SCROLL_THUMBTRACK) return chart::kScrollThumbTrack;
  if (type == wxEVT_SCROLL_TOP) return chart::kScrollTop;
  if (type == wxEVT_SCROLL_BOTTOM) return chart::kScrollBottom;
  return chart::kScrollEnd;
}

}  // namespace

void CChartCtrl::OnLeftDown(wxMouseEvent& event) {
  if (!HasCapture()) CaptureMouse();
  if (m_zoomEnabled) {
    const wxPoint point = event.GetPosition();
    m_leftButtonDown = true;
    m_zoomRect = {point.x, point.y, point.x, point.y};
  }
  event.Skip();
}

void CChartCtrl::OnLeftUp(wxMouseEvent& event) {
  OnLeftButtonUp(event.GetPosition());
  event.Skip();
}

void CChartCtrl::EndDrag() {
  if (HasCapture()) ReleaseMouse();
  m_leftButtonDown = false;
}

void CChartCtrl::OnLeftButtonUp(const wxPoint&) {
  EndDrag();
  if (!m_zoomEnabled) return;
  const ChartRect& r = m_zoomRect;
  if (!(r.left <= r.right && r.top <= r.bottom)) {
    UndoPanZoom();
    return;
  }
  if (r.left == r.right || r.top == r.bottom) {
    Refresh();
    return;
  }
  for (int position : {kAxisBottom, kAxisLeft, kAxisTop, kAxisRight}) {
    CChartAxis* axis = m_axes[position].get();
    if (!axis) continue;
    double low;
    double high;
    if (axis->IsHorizontal()) {
      low = axis->ScreenToValue(r.left);
      high = axis->ScreenToValue(r.right);
    } else {
      low = axis->ScreenToValue(r.bottom);
      high = axis->ScreenToValue(r.top);
    }
    if (axis->IsInverted()) std::swap(low, high);
    axis->SetZoomMinMax(low, high);
  }
  RefreshCtrl();
}

void CChartCtrl::OnRightDown(wxMouseEvent& event) {
  if (!HasCapture()) CaptureMouse();
  m_rightButtonDown = true;
  if (m_panEnabled) m_lastPanPoint = event.GetPosition();
  event.Skip();
}

void CChartCtrl::OnRightUp(wxMouseEvent& event) {
  if (HasCapture()) ReleaseMouse();
  m_rightButtonDown = false;
  event.Skip();
}

void CChartCtrl::OnDoubleClick(wxMouseEvent& event) { event.Skip(); }

void CChartCtrl::OnCaptureLost(wxMouseCaptureLostEvent&) {
  m_leftButtonDown = false;
  m_rightButtonDown = false;
  Refresh();
}

void CChartCtrl::PanAxes(const wxPoint& from, const wxPoint& to) {
  for (int position : {kAxisLeft, kAxisRight}) {
    if (m_axes[position]) m_axes[position]->PanAxis(from.y, to.y);
  }
  for (int position : {kAxisBottom, kAxisTop}) {
    if (m_axes[position]) m_axes[position]->PanAxis(from.x, to.x);
  }
}

void CChartCtrl::OnMouseMove(wxMouseEvent& event) {
  const wxPoint point = event.GetPosition();
  if (m_zoomEnabled && m_leftButtonDown) {
    m_zoomRect.right = point.x;
    m_zoomRect.bottom = point.y;
    Refresh();
  }
  if (m_panEnabled && m_rightButtonDown && point != m_lastPanPoint) {
    EnableRefresh(false);
    PanAxes(m_lastPanPoint, point);
    RefreshCtrl();
    EnableRefresh(true);
    Update();
    m_lastPanPoint = point;
  }
  UpdateScrollBarsUnder(point);
  event.Skip();
}

void CChartCtrl::UpdateScrollBarsUnder(const wxPoint& point) {
  for (auto& axis : m_axes) {
    if (axis && axis->GetScrollBar()) axis->GetScrollBar()->OnMouseLeave();
  }
  // Hidden children count too: an auto-hidden scroll bar shows itself when the mouse comes over it.
  for (wxWindow* child : GetChildren()) {
    auto* bar = dynamic_cast<CChartScrollBar*>(child);
    if (bar && bar->GetRect().Contains(point)) {
      bar->OnMouseEnter();
      break;
    }
  }
}

void CChartCtrl::OnScroll(wxScrollEvent& event) {
  auto* bar = dynamic_cast<CChartScrollBar*>(event.GetEventObject());
  if (!bar) {
    event.Skip();
    return;
  }
  const int code = ScrollCodeOf(event.GetEventType());
  if (bar->GetAxis()->IsHorizontal()) {
    bar->OnHScroll(code, event.GetPosition());
  } else {
    bar->OnVScroll(code, event.GetPosition());
  }
  RefreshCtrl();
}
