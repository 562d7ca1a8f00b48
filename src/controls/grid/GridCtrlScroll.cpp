// Geometry queries of the grid window, its scroll bars and scrolling.
#include "controls/grid/GridCtrl.h"

#include <wx/settings.h>

void CGridCtrl::SyncClientSize() {
  if (GetHandle()) m_geometry.SetClientSize(GetClientSize());
}

CCellID CGridCtrl::GetTopleftNonFixedCell(bool force) {
  SyncClientSize();
  return m_geometry.GetTopleftNonFixedCell(force);
}

CellRange CGridCtrl::GetVisibleNonFixedCellRange(GridRect* rect, bool force) {
  SyncClientSize();
  return m_geometry.GetVisibleNonFixedCellRange(rect, force);
}

CellRange CGridCtrl::GetVisibleFixedCellRange(GridRect* rect, bool force) {
  SyncClientSize();
  return m_geometry.GetVisibleFixedCellRange(rect, force);
}

bool CGridCtrl::GetCellOrigin(int row, int col, wxPoint* origin) {
  SyncClientSize();
  return m_geometry.GetCellOrigin(row, col, origin);
}

bool CGridCtrl::GetCellRect(int row, int col, GridRect* rect) {
  SyncClientSize();
  return m_geometry.GetCellRect(row, col, rect);
}

wxPoint CGridCtrl::GetPointClicked(int row, int col, const wxPoint& point) {
  wxPoint origin;
  if (!GetCellOrigin(row, col, &origin)) return wxPoint(0, 0);
  return point - origin;
}

CCellID CGridCtrl::GetCellFromPt(const wxPoint& point, bool allowFixed) {
  SyncClientSize();
  return m_geometry.GetCellFromPt(point, allowFixed);
}

bool CGridCtrl::IsCellVisible(int row, int col) {
  SyncClientSize();
  return m_geometry.IsCellVisible(row, col);
}

bool CGridCtrl::InvalidateCellRect(int row, int col) {
  if (!GetHandle() || !IsCellVisible(row, col)) return false;
  GridRect rect;
  if (!GetCellRect(row, col, &rect)) return false;
  const wxRect area(rect.left, rect.top, rect.Width() + 1, rect.Height() + 1);
  RefreshRect(area, false);
  return true;
}

// The room the bars take: as measured when they last appeared, else the
// system's metrics (overlay bars of some themes take less).
wxSize CGridCtrl::BarSizes() const {
  return wxSize(m_barSizes.x > 0 ? m_barSizes.x : wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this),
                m_barSizes.y > 0 ? m_barSizes.y : wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, this));
}

void CGridCtrl::MeasureBar(bool vertical, const wxSize& before) {
  const wxSize after = GetClientSize();
  const int thickness = vertical ? before.x - after.x : before.y - after.y;
  if (thickness > 0) (vertical ? m_barSizes.x : m_barSizes.y) = thickness;
}

void CGridCtrl::ApplyScrollBarPlan(const GridScrollBarPlan& plan) {
  m_scrollBarState = (plan.horzShown ? 1 : 0) | (plan.vertShown ? 2 : 0);
  if (plan.areaEmpty) {
    SetScrollbar(wxHORIZONTAL, 0, 0, 0);
    SetScrollbar(wxVERTICAL, 0, 0, 0);
    return;
  }
  const auto apply = [this, &plan](bool vertical) {
    const int max = vertical ? plan.vertMax : plan.horzMax;
    const int page = vertical ? plan.vertPage : plan.horzPage;
    const int orient = vertical ? wxVERTICAL : wxHORIZONTAL;
    const wxSize before = GetClientSize();
    if ((vertical ? plan.vertShown : plan.horzShown) && max > 0) {
      SetScrollbar(orient, m_geometry.GetScrollPos(vertical), page, max + 1);
      MeasureBar(vertical, before);
    } else {
      SetScrollbar(orient, 0, 0, 0);
    }
  };
  apply(false);
  apply(true);
}

void CGridCtrl::ResetScrollBars() {
  m_geometry.InvalidateTopLeft();
  if (!m_allowDraw || !GetHandle()) return;
  // A second pass when the bars turned out to take other room than assumed.
  for (int pass = 0; pass < 2; ++pass) {
    const wxSize client = GetClientSize();
    if (client.x <= 0 || client.y <= 0) return;
    // Start from the area as it is without bars.
    const wxSize bars = BarSizes();
    const wxSize area(client.x + ((m_scrollBarState & 2) ? bars.x : 0),
                      client.y + ((m_scrollBarState & 1) ? bars.y : 0));
    ApplyScrollBarPlan(m_geometry.PlanScrollBars(area, bars));
    if (BarSizes() == bars) break;
  }
  SyncClientSize();
}

bool CGridCtrl::SetScrollPos32(bool vertical, int pos, bool redraw) {
  m_geometry.SetScrollPos(vertical, pos);
  if (GetHandle())
    SetScrollPos(vertical ? wxVERTICAL : wxHORIZONTAL, m_geometry.GetScrollPos(vertical), redraw);
  return true;
}

void CGridCtrl::RepaintAfterScroll(bool vertical, GridRepaint repaint) {
  if (repaint == GridRepaint::None || !GetHandle()) return;
  if (repaint == GridRepaint::Whole) {
    Refresh();
    return;
  }
  const wxSize client = GetClientSize();
  if (vertical) {
    const int top = GetFixedRowHeight();
    RefreshRect(wxRect(0, top, client.x, client.y - top), false);
  } else {
    const int left = GetFixedColumnWidth();
    RefreshRect(wxRect(left, 0, client.x - left, client.y), false);
  }
}

void CGridCtrl::ScrollGrid(bool vertical, GridScrollCode code, int trackPos) {
  if (code == GridScrollCode::EndScroll) return;
  EndEditing();
  SyncClientSize();
  const GridRepaint repaint = m_geometry.Scroll(vertical, code, trackPos);
  if (GetHandle())
    SetScrollPos(vertical ? wxVERTICAL : wxHORIZONTAL, m_geometry.GetScrollPos(vertical), true);
  RepaintAfterScroll(vertical, repaint);
}

void CGridCtrl::OnScrollWin(wxScrollWinEvent& event) {
  const bool vertical = event.GetOrientation() == wxVERTICAL;
  const wxEventType type = event.GetEventType();
  GridScrollCode code = GridScrollCode::EndScroll;
  if (type == wxEVT_SCROLLWIN_LINEUP) code = GridScrollCode::LineUp;
  if (type == wxEVT_SCROLLWIN_LINEDOWN) code = GridScrollCode::LineDown;
  if (type == wxEVT_SCROLLWIN_PAGEUP) code = GridScrollCode::PageUp;
  if (type == wxEVT_SCROLLWIN_PAGEDOWN) code = GridScrollCode::PageDown;
  if (type == wxEVT_SCROLLWIN_THUMBTRACK) code = GridScrollCode::ThumbTrack;
  if (type == wxEVT_SCROLLWIN_THUMBRELEASE) code = GridScrollCode::ThumbPosition;
  if (type == wxEVT_SCROLLWIN_TOP) code = GridScrollCode::Top;
  if (type == wxEVT_SCROLLWIN_BOTTOM) code = GridScrollCode::Bottom;
  ScrollGrid(vertical, code, event.GetPosition());
}

void CGridCtrl::EnsureVisible(int row, int col) {
  if (!m_allowDraw || !IsValid(row, col)) return;
  SyncClientSize();
  if (!m_geometry.EnsureVisible(row, col)) return;
  EndEditing();
  if (GetHandle()) {
    SetScrollPos(wxHORIZONTAL, m_geometry.GetScrollPos(false), true);
    SetScrollPos(wxVERTICAL, m_geometry.GetScrollPos(true), true);
  }
  Refresh();
}

void CGridCtrl::OnSize(wxSizeEvent& event) {
  event.Skip();
  if (m_inSize || !GetHandle()) return;
  m_inSize = true;
  // The toolkit repeats size events without a change; only a real one ends an edit.
  if (GetClientSize() != m_lastClientSize) EndEditing();
  m_lastClientSize = GetClientSize();
  ResetScrollBars();
  m_inSize = false;
}
