#include "diagram/pages/DragWnd.h"

#include "core/LangText.h"

#include <wx/dcbuffer.h>
#include <wx/utils.h>

bool CDragWnd::Create(wxWindow* parent, int x, int y, int cx, int cy) {
  if (!wxPopupWindow::Create(parent, wxBORDER_NONE)) return false;
  Hide();
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetSize(x, y, cx, cy);
  m_width = cx;
  m_height = cy;
  m_owner = nullptr;
  Bind(wxEVT_PAINT, &CDragWnd::OnPaint, this);
  Bind(wxEVT_LEFT_UP, &CDragWnd::OnLeftUp, this);
  Bind(wxEVT_MOTION, &CDragWnd::OnMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, &CDragWnd::OnLeave, this);
  return true;
}

void CDragWnd::SetBackColor(ColorRef color, bool repaint) {
  m_backColor = color;
  if (repaint) Refresh(false);
}

void CDragWnd::SetBorderColor(ColorRef color, bool repaint) {
  m_borderColor = color;
  if (repaint) Refresh(false);
}

void CDragWnd::SetBorderWidth(int width, bool repaint) {
  m_borderWidth = width;
  if (repaint) Refresh(false);
}

void CDragWnd::SetText(const wxString& text, bool repaint) {
  m_text = text;
  if (repaint) Refresh(false);
}

void CDragWnd::SetTextColor(ColorRef color, bool repaint) {
  m_textColor = color;
  if (repaint) Refresh(false);
}

void CDragWnd::SetLabelSize(int cx, int cy) {
  m_width = cx;
  m_height = cy;
  SetSize(cx, cy);
}

void CDragWnd::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  EraseBackground(dc);
  DrawContent(dc);
}

void CDragWnd::EraseBackground(wxDC& dc) {
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColourFromColorRef(m_backColor)));
  dc.DrawRectangle(wxRect(GetClientSize()));
}

void CDragWnd::DrawContent(wxDC& dc) {
  DrawBorder(dc);
  DrawText(dc);
}

void CDragWnd::DrawBorder(wxDC& dc) {
  const wxSize size = GetClientSize();
  const int width = m_borderWidth;
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColourFromColorRef(m_borderColor)));
  dc.DrawRectangle(0, 0, size.x, width);
  dc.DrawRectangle(0, size.y - width, size.x, width);
  dc.DrawRectangle(0, 0, width, size.y);
  dc.DrawRectangle(size.x - width, 0, width, size.y);
}

void CDragWnd::DrawText(wxDC& dc) {
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetFont(GetFont());
  dc.SetTextForeground(ColourFromColorRef(m_textColor));
  dc.DrawLabel(GetLangText(m_text), wxRect(GetClientSize()), wxALIGN_CENTER);
}

void CDragWnd::CentreOn(const wxPoint& screenPoint) {
  SetSize(screenPoint.x - m_width / 2, screenPoint.y - m_height / 2, m_width, m_height);
  Refresh(false);
}

void CDragWnd::OnMotion(wxMouseEvent& event) {
  m_tracking = true;
  // The left button and nothing else: no other button, no Shift or Ctrl.
  const bool leftAlone = event.LeftIsDown() && !event.MiddleIsDown() && !event.RightIsDown() &&
                         !event.Aux1IsDown() && !event.Aux2IsDown() && !event.ShiftDown() &&
                         !event.ControlDown();
  if (leftAlone) CentreOn(ClientToScreen(event.GetPosition()));
  event.Skip();
}

void CDragWnd::OnLeave(wxMouseEvent& event) {
  m_tracking = false;
  if (wxGetMouseState().LeftIsDown()) {
    CentreOn(wxGetMousePosition());
  } else {
    EndDrag();
  }
  event.Skip();
}

void CDragWnd::OnLeftUp(wxMouseEvent& event) {
  EndDrag();
  event.Skip();
}

void CDragWnd::EndDrag() {
  if (m_owner) {
    wxMouseEvent up(wxEVT_LEFT_UP);
    up.SetEventObject(m_owner);
    up.SetId(m_owner->GetId());
    wxQueueEvent(m_owner->GetEventHandler(), up.Clone());
  }
  if (HasCapture()) ReleaseMouse();
}
