#include "ui/LUStatic.h"

#include "ui/BackgroundSource.h"
#include "ui/LUEdit.h"

#include <wx/dcbuffer.h>

wxIMPLEMENT_DYNAMIC_CLASS(CLUStatic, wxControl);

CLUStatic::CLUStatic(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos,
                     const wxSize& size) {
  Create(parent, id, text, pos, size);
}

bool CLUStatic::Create(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos,
                       const wxSize& size) {
  if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE)) return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  wxControl::SetLabel(text);
  m_hoverTimer.SetOwner(this);
  Bind(wxEVT_TIMER, [this](wxTimerEvent&) { OnHover(); });
  Bind(wxEVT_PAINT, &CLUStatic::OnPaint, this);
  Bind(wxEVT_MOTION, &CLUStatic::OnMotion, this);
  Bind(wxEVT_ENTER_WINDOW, &CLUStatic::OnMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, &CLUStatic::OnLeave, this);
  Bind(wxEVT_LEFT_DOWN, &CLUStatic::OnLeftDown, this);
  return true;
}

CLUStatic::~CLUStatic() { m_hoverTimer.Stop(); }

void CLUStatic::SetTextColor(ColorRef color) {
  m_textColor = color;
  Refresh();
}

void CLUStatic::SetLabel(const wxString& label) {
  wxControl::SetLabel(label);
  InvalidateBestSize();
  Refresh();
}

wxSize CLUStatic::DoGetBestSize() const {
  wxClientDC dc(const_cast<CLUStatic*>(this));
  dc.SetFont(GetFont());
  return dc.GetMultiLineTextExtent(GetLabel());
}

void CLUStatic::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  PaintParentBackground(this, dc);
  dc.SetFont(GetFont());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(ColourFromColorRef(m_textColor));
  dc.DrawText(GetLabel(), 0, 0);
}

void CLUStatic::OnMotion(wxMouseEvent& event) {
  event.Skip();
  if (m_tracking) return;
  m_tracking = true;
  m_hoverTimer.StartOnce(kHoverTime);
}

void CLUStatic::OnHover() {
  m_hover = true;
  if (m_owner) m_owner->ShowLabelTip();
}

void CLUStatic::OnLeave(wxMouseEvent& event) {
  event.Skip();
  m_hoverTimer.Stop();
  m_tracking = false;
  m_hover = false;
  if (m_owner) m_owner->HideLabelTip();
}

void CLUStatic::OnLeftDown(wxMouseEvent& event) {
  event.Skip();
  if (m_focusOnClick) SetFocus();
}
