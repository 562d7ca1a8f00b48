#include "controls/grid/DCStateGuard.h"

namespace gridpaint {

CDCStateGuard::CDCStateGuard(wxDC& dc)
    : m_dc(dc),
      m_font(dc.GetFont()),
      m_pen(dc.GetPen()),
      m_brush(dc.GetBrush()),
      m_textForeground(dc.GetTextForeground()),
      m_textBackground(dc.GetTextBackground()),
      m_backgroundMode(dc.GetBackgroundMode()) {}

CDCStateGuard::~CDCStateGuard() {
  if (m_font.IsOk()) m_dc.SetFont(m_font);
  m_dc.SetPen(m_pen.IsOk() ? m_pen : *wxBLACK_PEN);
  m_dc.SetBrush(m_brush.IsOk() ? m_brush : *wxWHITE_BRUSH);
  m_dc.SetTextForeground(m_textForeground);
  m_dc.SetTextBackground(m_textBackground);
  m_dc.SetBackgroundMode(m_backgroundMode);
}

}  // namespace gridpaint
