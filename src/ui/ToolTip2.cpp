#include "ui/ToolTip2.h"

#include "core/LangText.h"
#include "ui/Colors.h"

#include <wx/dcbuffer.h>
#include <wx/display.h>
#include <wx/settings.h>

#include <algorithm>

namespace {

// The system's tooltip text colour, unless a theme with dark tooltips makes it
// unreadable on the cream box; then black.
wxColour TipTextColour() {
  const wxColour colour = wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT);
  const int luminance = (299 * colour.Red() + 587 * colour.Green() + 114 * colour.Blue()) / 1000;
  return luminance < 128 ? colour : *wxBLACK;
}

// The box moved left and up as far as it takes to lie wholly on the screen
// that holds its top-left corner; a box larger than that screen keeps its
// top-left corner on it.
wxRect KeptOnScreen(const wxRect& box) {
  const int index = wxDisplay::GetFromPoint(box.GetTopLeft());
  const wxRect screen = wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetGeometry();
  wxRect kept = box;
  kept.x = std::max(screen.x, std::min(kept.x, screen.GetRight() + 1 - kept.width));
  kept.y = std::max(screen.y, std::min(kept.y, screen.GetBottom() + 1 - kept.height));
  return kept;
}

}  // namespace

bool CToolTip2::Create(int pointSize, int verticalMargin, int horizontalMargin, wxWindow* parent) {
  m_owner = parent;
  if (parent) m_font.SetFromFont(parent->GetFont());
  m_font.SetPointSize(pointSize);
  m_verticalMargin = verticalMargin;
  m_horizontalMargin = horizontalMargin;
  if (!wxPopupWindow::Create(parent, wxBORDER_NONE)) return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetFont(m_font);
  wxPopupWindow::Show(false);
  Bind(wxEVT_PAINT, &CToolTip2::OnPaint, this);
  return true;
}

void CToolTip2::SetText(const wxString& text) {
  m_text = text;
  m_text.Trim(true);
  if (m_shown) Place(m_anchor);
}

void CToolTip2::SetFontSize(int pointSize) {
  m_font.SetPointSize(pointSize);
  if (GetHandle()) SetFont(m_font);
  if (m_shown) Place(m_anchor);
}

bool CToolTip2::Show(const wxPoint& point) {
  if (m_text.empty() || m_shown || !GetHandle()) return false;
  m_anchor = point;
  m_shown = true;
  Place(point);
  return true;
}

bool CToolTip2::Show(bool show) {
  if (!show) m_shown = false;
  return wxPopupWindow::Show(show);
}

wxString CToolTip2::ShownText() const { return GetLangText(m_text); }

wxSize CToolTip2::GetTextSize() const {
  if (!GetHandle()) return wxSize();
  wxClientDC dc(const_cast<CToolTip2*>(this));
  dc.SetFont(m_font);
  return dc.GetMultiLineTextExtent(ShownText());
}

wxSize CToolTip2::GetBoxSize() const {
  const wxSize text = GetTextSize();
  return wxSize(text.x + 2 * m_horizontalMargin, text.y + 2 * m_verticalMargin);
}

void CToolTip2::Place(const wxPoint& point) {
  wxPoint screen = point;
  if (m_owner) screen = m_owner->ClientToScreen(point);
  SetSize(KeptOnScreen(wxRect(screen, GetBoxSize())));
  wxPopupWindow::Show(true);
  Raise();
  Refresh();
}

void CToolTip2::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(wxBrush(ColourFromColorRef(kToolTipBackground)));
  dc.DrawRectangle(0, 0, size.x, size.y);
  dc.SetFont(m_font);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(TipTextColour());
  dc.DrawText(ShownText(), m_horizontalMargin, m_verticalMargin);
}
