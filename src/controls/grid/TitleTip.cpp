#include "controls/grid/TitleTip.h"

#include "controls/grid/GridPaint.h"
#include "controls/grid/InPlaceEditRules.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/time.h>

CTitleTip::~CTitleTip() = default;

bool CTitleTip::Create(wxWindow* parent) {
  if (m_created) return true;
  if (!wxPopupWindow::Create(parent, wxBORDER_SIMPLE)) return false;
  m_parent = parent;
  m_created = true;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CTitleTip::OnPaint, this);
  Bind(wxEVT_MOTION, &CTitleTip::OnMouseMove, this);
  Bind(wxEVT_LEAVE_WINDOW, &CTitleTip::OnLeave, this);
  Bind(wxEVT_LEFT_DOWN, &CTitleTip::OnMouseButton, this);
  Bind(wxEVT_RIGHT_DOWN, &CTitleTip::OnMouseButton, this);
  Bind(wxEVT_MIDDLE_DOWN, &CTitleTip::OnMouseButton, this);
  Bind(wxEVT_LEFT_DCLICK, &CTitleTip::OnMouseButton, this);
  return true;
}

bool CTitleTip::Show(const GridRect& titleRect, const wxString& text, int xOffset, const GridRect* hover,
                     const wxFont* font, ColorRef textColor, ColorRef backColor) {
  if (!m_created && !Create(m_parent ? m_parent : GetParent())) return false;
  if (titleRect.IsEmpty() || IsShown() || !m_parent) return false;
  // Only while the program is in front.
  if (!wxWindow::FindFocus()) return false;

  GridRect hoverRect = hover ? *hover : titleRect;
  hoverRect.right += 1;
  hoverRect.bottom += 1;
  m_text = " " + text + " ";
  m_font = font && font->IsOk() ? *font : m_parent->GetFont();
  m_textColor = textColor;
  m_backColor = backColor;

  wxClientDC dc(m_parent);
  dc.SetFont(m_font);
  const int textWidth = dc.GetTextExtent(m_text).x;
  if (!TitleTipNeeded(titleRect.left, titleRect.right, textWidth, xOffset)) return false;

  const wxPoint topLeft = m_parent->ClientToScreen(wxPoint(titleRect.left + xOffset, titleRect.top));
  SetSize(topLeft.x, topLeft.y, textWidth + xOffset, titleRect.Height() + 1);
  m_hoverRect = hoverRect;
  m_hoverRect.Offset(-(titleRect.left + xOffset), -titleRect.top);
  wxPopupWindow::Show(true);
  Raise();
  Refresh();
  return true;
}

void CTitleTip::Hide() {
  if (m_created && IsShown()) wxPopupWindow::Show(false);
}

bool CTitleTip::Destroy() {
  m_created = false;
  return wxPopupWindow::Destroy();
}

void CTitleTip::OnPaint(wxPaintEvent& event) {
  wxUnusedVar(event);
  wxPaintDC dc(this);
  const wxSize size = GetClientSize();
  const ColorRef back =
      m_backColor != kGridDefaultColor ? m_backColor : gridpaint::SystemColor(wxSYS_COLOUR_INFOBK);
  const ColorRef text =
      m_textColor != kGridDefaultColor ? m_textColor : gridpaint::SystemColor(wxSYS_COLOUR_INFOTEXT);
  gridpaint::FillRect(dc, GridRect(0, 0, size.x, size.y), back);
  dc.SetFont(m_font);
  dc.SetBackgroundMode(wxTRANSPARENT);
  dc.SetTextForeground(gridpaint::Colour(text));
  dc.DrawText(m_text, 0, 0);
}

void CTitleTip::ForwardToParent(const wxMouseEvent& event, wxEventType type) {
  if (!m_parent) return;
  wxMouseEvent forwarded(event);
  forwarded.SetEventType(type);
  forwarded.SetEventObject(m_parent);
  forwarded.SetPosition(m_parent->ScreenToClient(ClientToScreen(event.GetPosition())));
  m_parent->GetEventHandler()->ProcessEvent(forwarded);
}

void CTitleTip::OnMouseMove(wxMouseEvent& event) {
  if (m_hoverRect.Contains(event.GetPosition())) return;
  Hide();
  ForwardToParent(event, wxEVT_MOTION);
}

void CTitleTip::OnLeave(wxMouseEvent& event) {
  wxUnusedVar(event);
  Hide();
}

// A click on the tip is a click on the cell under it.
void CTitleTip::OnMouseButton(wxMouseEvent& event) {
  Hide();
  wxEventType type = event.GetEventType();
  if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK) {
    const wxLongLong now = wxGetLocalTimeMillis();
    const int doubleClick = wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC);
    const bool twice =
        m_lastClickTime >= 0 && (now - m_lastClickTime) < (doubleClick > 0 ? doubleClick : 500);
    type = twice ? wxEVT_LEFT_DCLICK : wxEVT_LEFT_DOWN;
    m_lastClickTime = now;
  }
  ForwardToParent(event, type);
}
