// A double buffer over a target DC: drawing goes to an off-screen bitmap of
// the rectangle (the target's clipping box when none is given), pre-filled
// with the target's background colour and copied back to the target when the
// object goes away. Coordinates are the target's. A printer DC is drawn on
// directly.
#pragma once

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/gdicmn.h>

class CMemDC {
 public:
  explicit CMemDC(wxDC& target, const wxRect* rect = nullptr);
  ~CMemDC();
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  // The DC to draw on.
  wxDC& GetDC() { return m_buffered ? static_cast<wxDC&>(m_memory) : m_target; }
  wxDC* operator->() { return &GetDC(); }
  const wxRect& GetRect() const { return m_rect; }
  bool IsBuffered() const { return m_buffered; }

 private:
  wxDC& m_target;
  wxRect m_rect;
  bool m_buffered = false;
  wxBitmap m_bitmap;
  wxMemoryDC m_memory;
};
