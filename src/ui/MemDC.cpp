#include "ui/MemDC.h"

#include <wx/brush.h>
#include <wx/dcprint.h>

namespace {

bool IsPrinting(wxDC& dc) {
#if wxUSE_PRINTING_ARCHITECTURE
  // Asks the class information; no cast of a DC that may be of another class.
  return dc.IsKindOf(wxCLASSINFO(wxPrinterDC));
#else
  wxUnusedVar(dc);
  return false;
#endif
}

wxRect ClipBoxOf(wxDC& dc) {
  wxRect box;
  dc.GetClippingBox(box);
  if (box.IsEmpty()) box = wxRect(wxPoint(0, 0), dc.GetSize());
  return box;
}

}  // namespace

CMemDC::CMemDC(wxDC& target, const wxRect* rect) : m_target(target), m_memory(&target) {
  m_rect = rect ? *rect : ClipBoxOf(target);
  if (IsPrinting(target) || m_rect.IsEmpty()) return;
  m_bitmap.Create(m_rect.width, m_rect.height, target);
  if (!m_bitmap.IsOk()) return;
  m_memory.SelectObject(m_bitmap);
  m_memory.SetUserScale(1.0, 1.0);
  m_memory.SetDeviceOrigin(-m_rect.x, -m_rect.y);
  const wxBrush& background = target.GetBackground();
  const wxColour fill = background.IsOk() ? background.GetColour() : *wxWHITE;
  m_memory.SetBackground(wxBrush(fill));
  m_memory.SetBrush(wxBrush(fill));
  m_memory.SetPen(*wxTRANSPARENT_PEN);
  m_memory.DrawRectangle(m_rect);
  m_memory.SetFont(target.GetFont());
  m_buffered = true;
}

CMemDC::~CMemDC() {
  if (!m_buffered) return;
  m_target.Blit(m_rect.x, m_rect.y, m_rect.width, m_rect.height, &m_memory, m_rect.x, m_rect.y, wxCOPY);
  m_memory.SelectObject(wxNullBitmap);
}
