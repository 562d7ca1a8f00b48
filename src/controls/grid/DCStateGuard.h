// Restores a DC's drawing state when a scope that changed it ends.
#pragma once

#include <wx/dc.h>

namespace gridpaint {

// Keeps a DC's font, pen, brush, text colours and background mode, and puts
// them back when it goes away.
class CDCStateGuard {
 public:
  explicit CDCStateGuard(wxDC& dc);
  ~CDCStateGuard();
  CDCStateGuard(const CDCStateGuard&) = delete;
  CDCStateGuard& operator=(const CDCStateGuard&) = delete;

 private:
  wxDC& m_dc;
  wxFont m_font;
  wxPen m_pen;
  wxBrush m_brush;
  wxColour m_textForeground;
  wxColour m_textBackground;
  int m_backgroundMode;
};

}  // namespace gridpaint
